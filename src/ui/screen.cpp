#include "ui/screen.hpp"

#include <algorithm>

#include "model/game.hpp"
#include "ui/layout.hpp"
#include "ui/message_box.hpp"
#include "ui/speech.hpp"

namespace zaldrun {

Screen::Screen(platform::Frontend& frontend)
    : frontend_(frontend), grid_(layout::kGridWidth, layout::kGridHeight) {}

void Screen::Pop(const Layer* layer) {
  const auto it = std::find(layers_.rbegin(), layers_.rend(), layer);
  if (it != layers_.rend()) layers_.erase(std::next(it).base());
}

const platform::Grid& Screen::Compose() {
  grid_.Clear();
  for (const Layer* layer : layers_) layer->Draw(grid_);
  if (topmost_ != nullptr) topmost_->Draw(grid_);
  return grid_;
}

void Screen::Present() { frontend_.Present(Compose()); }

platform::Key Screen::FrontendKey(bool moves) {
  if (hung_up_) return platform::Key::Of(platform::KeyKind::kHangup);
  if (narrator_ != nullptr) narrator_->BeforeKey(layers_.empty() ? nullptr : layers_.back());
  Present();
  platform::Key key = frontend_.NextKey();
  while (key.kind == platform::KeyKind::kMouseMove && !moves) key = frontend_.NextKey();
  hung_up_ = key.kind == platform::KeyKind::kHangup;
  return key;
}

platform::Key Screen::NextKey() {
  while (true) {
    const platform::Key key = FrontendKey();
    if (key.kind != platform::KeyKind::kCloseRequest) return key;
    close_requested_ = true;
  }
}

platform::Key Screen::NextIdleKey() {
  if (close_requested_ && !hung_up_) {
    close_requested_ = false;
    return platform::Key::Of(platform::KeyKind::kCloseRequest);
  }
  return FrontendKey(true);
}

platform::Key Screen::NextWindowKey() {
  if (!close_requested_) {
    const platform::Key key = FrontendKey();
    if (key.kind == platform::KeyKind::kKey || key.kind == platform::KeyKind::kMouseClick) {
      return key;
    }
    close_requested_ = true;
  }
  return platform::Key::Of(platform::KeyKind::kCloseRequest);
}

void Screen::MessageBox(std::string_view text, std::string_view title) {
  RunMessageBox(*this, text, title);
}

Screen* ScreenOf(Game& game) { return dynamic_cast<Screen*>(game.session.io); }

}  // namespace zaldrun
