#include "ui/message_box.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "base/utf8.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

constexpr int kMaxTextWidth = 60;
constexpr std::string_view kOk = "OK";

class MessageBoxLayer : public Layer {
 public:
  MessageBoxLayer(std::string_view text, std::string_view title)
      : title_(title), text_(text), lines_(ui::WrapText(text, kMaxTextWidth)) {}

  std::string SpokenText() const override { return text_; }

  void Draw(platform::Grid& grid) const override {
    size_t widest = Utf8Length(title_) + 4;
    for (const std::string& line : lines_) widest = std::max(widest, Utf8Length(line));
    const int w = static_cast<int>(widest) + 6;
    const int h = static_cast<int>(lines_.size()) + 6;
    const ui::Rect rect = ui::CentredRect(grid, w, h);
    ui::DrawWindow(grid, rect, title_);
    // The information mark, then the text.
    grid.PutText(rect.x + 2, rect.y + 2, "i", ui::palette::kTitle, ui::palette::kWindowBg);
    for (size_t i = 0; i < lines_.size(); ++i) {
      grid.PutText(rect.x + 4, rect.y + 2 + static_cast<int>(i), lines_[i], ui::palette::kWindowFg,
                   ui::palette::kWindowBg);
    }
    const int button_x = ui::CentreColumn(rect.x, rect.w, ui::ButtonWidth(kOk));
    ok_ = ui::DrawButton(grid, button_x, rect.y + rect.h - 2, kOk, true);
  }

  const ui::Rect& ok() const { return ok_; }

 private:
  std::string title_;
  std::string text_;
  std::vector<std::string> lines_;
  mutable ui::Rect ok_;
};

}  // namespace

void RunOkDialog(Screen& screen, const Layer& layer, const ui::Rect& ok, bool closes_on_request) {
  LayerScope scope(screen, layer);
  while (true) {
    const platform::Key key = closes_on_request ? screen.NextWindowKey() : screen.NextKey();
    switch (key.kind) {
      case platform::KeyKind::kCloseRequest:
      case platform::KeyKind::kHangup:
        return;
      case platform::KeyKind::kMouseClick:
        if (ok.Contains(key.x, key.y)) return;
        break;
      case platform::KeyKind::kKey:
        if (key.code == platform::keys::kEnter || key.code == platform::keys::kSpace ||
            key.code == platform::keys::kEscape) {
          return;
        }
        break;
      case platform::KeyKind::kMouseMove:
        break;
    }
  }
}

// A message box may come in the middle of an action: a close request waits until it is read.
void RunMessageBox(Screen& screen, std::string_view text, std::string_view title) {
  MessageBoxLayer layer(text, title);
  RunOkDialog(screen, layer, layer.ok(), false);
}

}  // namespace zaldrun
