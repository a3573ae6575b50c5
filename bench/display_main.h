#pragma once

#include <gtkmm/main.h>

#include <cstdio>

namespace lumetta::bench {

// Starts GTK and runs `main` for a benchmark that opens windows; 1 without a display.
inline int RunWithDisplay(int argc, char** argv, int (*main)(int, char**)) {
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "no display: run it under xvfb-run\n");
    return 1;
  }
  Gtk::Main::init_gtkmm_internals();
  return main(argc, argv);
}

}  // namespace lumetta::bench
