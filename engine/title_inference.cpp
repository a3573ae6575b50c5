#include "engine/title_inference.h"

namespace lumetta {

void TitleInference::LoadStarted() {
  settled_ = false;
  committed_ = false;
}

void TitleInference::DocumentCommitted() {
  committed_ = true;
  settled_ = false;
  has_title_element_ = false;
}

// A stopped load leaves the document that was there, whose title is known.
bool TitleInference::LoadFinished() {
  if (settled_) return false;
  if (!committed_) settled_ = true;
  return !settled_;
}

TitleInference::Raise TitleInference::Settle(const std::optional<TitleReport>& report,
                                             const std::string& engine_title,
                                             const std::string& url, TitleSource source) {
  has_title_element_ = report && report->has_title_element;
  settled_ = true;
  const std::string reported = report ? report->title : "";
  return Consider(engine_title.empty() ? reported : engine_title, url, source);
}

TitleInference::Raise TitleInference::EngineTitleChanged(const std::string& engine_title,
                                                         const std::string& url,
                                                         TitleSource source) {
  return Consider(engine_title, url, source);
}

TitleInference::Raise TitleInference::Consider(std::string text, const std::string& url,
                                               TitleSource source) {
  if (text.empty()) {
    if (!settled_ || source != TitleSource::kDocument) return std::nullopt;
    if (!has_title_element_) text = url;
  }
  if (last_ == text) return std::nullopt;
  last_ = text;
  return text;
}

std::string TitleInference::LocationName(const std::string& engine_title,
                                         const std::string& url) const {
  if (!engine_title.empty() || has_title_element_) return engine_title;
  return url;
}

}  // namespace lumetta
