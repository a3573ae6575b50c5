#include "app/auto_complete.h"

#include <glib.h>
#include <gtkmm/entrycompletion.h>
#include <gtkmm/liststore.h>

#include <memory>
#include <string_view>
#include <unordered_map>

#include "platform/platform.h"
#include "platform/url_history.h"

namespace lumetta {

namespace {

struct Columns : Gtk::TreeModelColumnRecord {
  Columns() { add(address); }
  Gtk::TreeModelColumn<Glib::ustring> address;
};

const Columns& TheColumns() {
  static const Columns columns;
  return columns;
}

// One list for every address box of the process, following the history as it grows and as
// addresses are removed from it.
class HistoryModel : public sigc::trackable {
 public:
  explicit HistoryModel(UrlHistory& history)
      : history_(&history), store_(Gtk::ListStore::create(TheColumns())) {
    for (const std::string& address : history.Entries()) Append(address);
    recorded_ = history.signal_recorded().connect(sigc::mem_fun(*this, &HistoryModel::Append));
    history.signal_removed().connect(sigc::mem_fun(*this, &HistoryModel::Remove));
    history.signal_cleared().connect(sigc::mem_fun(*this, &HistoryModel::Clear));
  }

  // Whether the list follows `history`; a history that went away cut the connection.
  bool Follows(const UrlHistory& history) const {
    return history_ == &history && recorded_.connected();
  }

  Glib::RefPtr<Gtk::ListStore> Store() const { return store_; }

 private:
  void Append(const std::string& address) {
    if (rows_.contains(address)) return;
    Gtk::TreeIter row = store_->append();
    (*row)[TheColumns().address] = address;
    rows_.emplace(address, row);
  }

  // A list store's rows keep their iterators until they are removed.
  void Remove(const std::string& address) {
    const auto known = rows_.find(address);
    if (known == rows_.end()) return;
    store_->erase(known->second);
    rows_.erase(known);
  }

  void Clear() {
    store_->clear();
    rows_.clear();
  }

  const UrlHistory* history_;
  sigc::connection recorded_;
  Glib::RefPtr<Gtk::ListStore> store_;
  std::unordered_map<std::string, Gtk::TreeIter> rows_;
};

std::string_view AfterPrefix(std::string_view text, std::string_view prefix) {
  if (text.size() >= prefix.size() &&
      g_ascii_strncasecmp(text.data(), prefix.data(), prefix.size()) == 0) {
    text.remove_prefix(prefix.size());
  }
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  char* a = g_utf8_casefold(text.data(), static_cast<gssize>(text.size()));
  char* b = g_utf8_casefold(start.data(), static_cast<gssize>(start.size()));
  const bool same = g_str_has_prefix(a, b);
  g_free(a);
  g_free(b);
  return same;
}

}  // namespace

bool CompletionMatches(const std::string& address, const std::string& typed) {
  if (typed.empty()) return false;
  if (StartsWithNoCase(address, typed)) return true;
  std::string_view rest = address;
  const size_t scheme_end = rest.find("://");
  if (scheme_end != std::string_view::npos) rest.remove_prefix(scheme_end + 3);
  if (StartsWithNoCase(rest, typed)) return true;
  return StartsWithNoCase(AfterPrefix(rest, "www."), typed);
}

void SetAutoComplete(Gtk::Entry& box, int flags) {
  UrlHistory* history = ThePlatform().url_history;
  if ((flags & kShacfUrlHistory) == 0 || history == nullptr) return;
  // Made again only when the history it follows is replaced: the program has one for its life.
  static std::unique_ptr<HistoryModel> model;
  if (!model || !model->Follows(*history)) model = std::make_unique<HistoryModel>(*history);
  auto completion = Gtk::EntryCompletion::create();
  completion->set_model(model->Store());
  completion->set_text_column(TheColumns().address);
  completion->set_minimum_key_length(1);
  // The suggestion the arrows highlight stands in the box, so Enter opens what the box shows.
  completion->set_inline_selection(true);
  completion->set_match_func(
      [](const Glib::ustring& typed, const Gtk::TreeModel::const_iterator& row) {
        return CompletionMatches(Glib::ustring((*row)[TheColumns().address]), typed);
      });
  box.set_completion(completion);
}

}  // namespace lumetta
