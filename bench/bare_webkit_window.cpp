// The yardstick for bench/: what any WebKitGTK browser must pay at least. One maximised
// GTK window holding one web view that loads URL, and nothing else. With --sandbox its page
// runs in bubblewrap's sandbox, as lumetta's pages do: the two tell what the sandbox costs.
//
//   bare_webkit_window [--sandbox] URL

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstring>

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  const bool sandbox = argc == 3 && std::strcmp(argv[1], "--sandbox") == 0;
  if (argc != 2 && !sandbox) {
    g_printerr("usage: %s [--sandbox] URL\n", argv[0]);
    return 2;
  }
  // Before the view exists: the sandbox can only be turned on before the first web process.
  if (sandbox) webkit_web_context_set_sandbox_enabled(webkit_web_context_get_default(), TRUE);

  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* view = webkit_web_view_new();
  gtk_container_add(GTK_CONTAINER(window), view);
  // Without a window manager (Xvfb) maximising does nothing; start at the browser's own size
  // so both paint the same area.
  gtk_window_set_default_size(GTK_WINDOW(window), 839, 574);
  gtk_window_maximize(GTK_WINDOW(window));
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[argc - 1]);
  gtk_widget_show_all(window);

  gtk_main();
  return 0;
}
