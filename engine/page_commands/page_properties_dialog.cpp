#include "engine/page_commands/page_properties_dialog.h"

#include <glibmm/markup.h>
#include <gtkmm/separator.h>
#include <libsoup/soup.h>

#include "engine/dialog_parent.h"
#include "engine/security/certificate_problems.h"
#include "engine/type_description.h"

namespace lumetta {

namespace {

struct SizeRequest {
  std::weak_ptr<void> fill;
  Gtk::Label* label;
};

std::string Text(const char* text) { return text != nullptr ? text : ""; }

std::string ProtocolName(const std::string& scheme) {
  if (scheme == "http") return "超文本传输协议 (HTTP)";
  if (scheme == "https") return "安全超文本传输协议 (HTTPS)";
  if (scheme == "file") return "文件协议";
  if (scheme.empty()) return "不可用";
  gchar* upper = g_ascii_strup(scheme.c_str(), -1);
  std::string name = upper;
  g_free(upper);
  return name;
}

// 1234567 as "1,234,567".
std::string GroupedDigits(guint64 number) {
  std::string digits = std::to_string(number);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return digits;
}

std::string ModifiedText(const char* last_modified) {
  GDateTime* date = last_modified ? soup_date_time_new_from_http_string(last_modified) : nullptr;
  if (date == nullptr) return "不可用";
  GDateTime* local = g_date_time_to_local(date);
  gchar* text = g_date_time_format(local, "%Y年%-m月%-d日 %H:%M:%S");
  std::string result = Text(text);
  g_free(text);
  g_date_time_unref(local);
  g_date_time_unref(date);
  return result;
}

// The connection of a page over TLS, with the problems of its certificate by the names the
// certificate error page gives them.
std::string TlsConnectionText(GTlsCertificate* certificate, GTlsCertificateFlags errors) {
  if (errors == 0) return "加密连接 (TLS)，证书有效";
  std::string names;
  for (const CertificateProblemText& problem : DescribeProblems(ProblemsOf(certificate, errors))) {
    names += (names.empty() ? "" : "、") + std::string(problem.name);
  }
  return "加密连接 (TLS)，证书错误：" + names;
}

}  // namespace

PagePropertiesDialog::PagePropertiesDialog(WebKitWebView* view)
    : view_(view), dialog_("属性", false) {
  dialog_.set_default_size(420, -1);
  dialog_.set_resizable(false);
  dialog_.add_button("确定", Gtk::RESPONSE_OK);
  dialog_.signal_response().connect([this](int) { Close(); });
  grid_.set_border_width(12);
  grid_.set_row_spacing(8);
  grid_.set_column_spacing(16);
  title_.set_name("title");
  title_.set_selectable(true);
  title_.set_line_wrap(true);
  title_.set_max_width_chars(48);
  title_.set_xalign(0);
  grid_.attach(title_, 0, rows_++, 2, 1);
  const auto separator = [this] {
    auto* line = Gtk::manage(new Gtk::Separator);
    line->set_hexpand(true);
    grid_.attach(*line, 0, rows_++, 2, 1);
  };
  separator();
  protocol_ = &AddRow("协议:", "protocol");
  type_ = &AddRow("类型:", "type");
  security_ = &AddRow("连接:", "security");
  separator();
  address_ = &AddRow("地址(URL):", "address");
  size_ = &AddRow("大小:", "size");
  modified_ = &AddRow("修改日期:", "modified");
  grid_.attach(certificate_button_, 1, rows_++, 1, 1);
  certificate_button_.set_halign(Gtk::ALIGN_START);
  certificate_button_.signal_clicked().connect([this] {
    if (certificate_ != nullptr) certificate_dialog_.Show(certificate_, dialog_);
  });
  dialog_.get_content_area()->pack_start(grid_, Gtk::PACK_EXPAND_WIDGET);
  dialog_.show_all_children();
}

PagePropertiesDialog::~PagePropertiesDialog() {
  if (certificate_ != nullptr) g_object_unref(certificate_);
}

Gtk::Label& PagePropertiesDialog::AddRow(const char* caption, const char* name) {
  auto* caption_label = Gtk::manage(new Gtk::Label(caption));
  caption_label->set_xalign(0);
  caption_label->set_yalign(0);
  auto* value = Gtk::manage(new Gtk::Label);
  value->set_name(name);
  value->set_xalign(0);
  value->set_selectable(true);
  value->set_line_wrap(true);
  value->set_line_wrap_mode(Pango::WRAP_WORD_CHAR);
  value->set_max_width_chars(48);
  grid_.attach(*caption_label, 0, rows_, 1, 1);
  grid_.attach(*value, 1, rows_++, 1, 1);
  return *value;
}

void PagePropertiesDialog::Show(Gtk::Window* parent) {
  Fill();
  PresentOver(dialog_, parent, false);
}

void PagePropertiesDialog::Close() {
  fill_.reset();
  certificate_dialog_.Close();
  dialog_.hide();
}

void PagePropertiesDialog::Fill() {
  fill_ = std::make_shared<int>(0);
  const std::string uri = Text(webkit_web_view_get_uri(view_));
  const std::string title = Text(webkit_web_view_get_title(view_));
  title_.set_markup("<b>" + Glib::Markup::escape_text(title.empty() ? uri : title) + "</b>");
  gchar* scheme = g_uri_parse_scheme(uri.c_str());
  const std::string protocol = Text(scheme);
  g_free(scheme);
  protocol_->set_text(ProtocolName(protocol));
  address_->set_text(uri);

  WebKitWebResource* resource = webkit_web_view_get_main_resource(view_);
  WebKitURIResponse* response = resource ? webkit_web_resource_get_response(resource) : nullptr;
  type_->set_text(
      TypeDescription(response ? Text(webkit_uri_response_get_mime_type(response)) : ""));
  SoupMessageHeaders* headers = response ? webkit_uri_response_get_http_headers(response) : nullptr;
  modified_->set_text(
      ModifiedText(headers ? soup_message_headers_get_one(headers, "Last-Modified") : nullptr));
  size_->set_text("不可用");
  if (resource != nullptr) {
    webkit_web_resource_get_data(resource, nullptr, &PagePropertiesDialog::OnData,
                                 new SizeRequest{fill_, size_});
  }

  if (certificate_ != nullptr) g_object_unref(certificate_);
  certificate_ = nullptr;
  GTlsCertificateFlags flags = GTlsCertificateFlags(0);
  if (protocol == "https" && webkit_web_view_get_tls_info(view_, &certificate_, &flags)) {
    g_object_ref(certificate_);
    security_->set_text(TlsConnectionText(certificate_, flags));
  } else if (protocol == "http") {
    security_->set_text("未加密的连接");
  } else {
    security_->set_text("不经过网络");
  }
  certificate_button_.set_visible(certificate_ != nullptr);
}

void PagePropertiesDialog::OnData(GObject* resource, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<SizeRequest> request(static_cast<SizeRequest*>(data));
  gsize length = 0;
  guchar* bytes =
      webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(resource), result, &length, nullptr);
  if (bytes != nullptr && !request->fill.expired()) {
    request->label->set_text(GroupedDigits(length) + " 字节");
  }
  g_free(bytes);
}

}  // namespace lumetta
