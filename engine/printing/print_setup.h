#pragma once

#include <gtkmm/pagesetup.h>
#include <gtkmm/printsettings.h>

#include <string>

namespace lumetta {

// The paper, orientation, margins and printer choices that printing and the print preview
// use. The page-setup and print dialogs change them; they are kept in a file, so the next run
// prints the same way.
class PrintSetup {
 public:
  // The process's setup, read from $XDG_CONFIG_HOME/lumetta/print-setup.ini at first use.
  static PrintSetup& Get();

  // The setup kept in `path`; defaults when the file is missing or unreadable.
  explicit PrintSetup(std::string path);

  Glib::RefPtr<Gtk::PageSetup> PageSetup() const { return page_setup_; }
  Glib::RefPtr<Gtk::PrintSettings> Settings() const { return settings_; }

  // Keeps copies of the two and writes them to the file. False when it could not be written.
  bool Update(const Glib::RefPtr<Gtk::PageSetup>& page_setup,
              const Glib::RefPtr<Gtk::PrintSettings>& settings);

 private:
  std::string path_;
  Glib::RefPtr<Gtk::PageSetup> page_setup_;
  Glib::RefPtr<Gtk::PrintSettings> settings_;
};

}  // namespace lumetta
