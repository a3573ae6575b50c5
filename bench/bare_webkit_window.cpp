// The yardstick for bench/: what any WebKitGTK browser must pay at least. One maximised
// GTK window holding one web view that loads argv[1], and nothing else.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  if (argc != 2) {
    g_printerr("usage: %s URL\n", argv[0]);
    return 2;
  }

  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* view = webkit_web_view_new();
  gtk_container_add(GTK_CONTAINER(window), view);
  // Without a window manager (Xvfb) maximising does nothing; start at the browser's own size
  // so both paint the same area.
  gtk_window_set_default_size(GTK_WINDOW(window), 839, 574);
  gtk_window_maximize(GTK_WINDOW(window));
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_widget_show_all(window);

  gtk_main();
  return 0;
}
