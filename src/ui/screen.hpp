// Screen: composes the main window and the windows open over it into the cell grid, hands the grid
// to the front end and brings back keys. The game's Io.
#pragma once

#include <string>
#include <vector>

#include "model/io.hpp"
#include "platform/frontend.hpp"
#include "platform/grid.hpp"

namespace zaldrun {

struct Game;
class Narrator;

// Anything drawn on the grid: the main window, and each window or box open over it.
class Layer {
 public:
  virtual ~Layer() = default;
  virtual void Draw(platform::Grid& grid) const = 0;
  // What speech reads out of it while it is on top: the entry that has the focus, with its value.
  virtual std::string SpokenText() const { return std::string(); }
};

class Screen : public Io {
 public:
  explicit Screen(platform::Frontend& frontend);

  platform::Frontend& frontend() { return frontend_; }
  const platform::Grid& grid() const { return grid_; }

  // Layers are drawn bottom to top in the order they were pushed.
  void Push(const Layer* layer) { layers_.push_back(layer); }
  void Pop(const Layer* layer);
  // Drawn over every layer: what must never be hidden by a window (a message that waits).
  void SetTopmost(const Layer* layer) { topmost_ = layer; }
  // Whether a window is open over the main window (the first layer).
  bool WindowOpen() const { return layers_.size() > 1; }

  // Io: the key of an ongoing action; close requests are held back until the game is idle. A
  // hang-up comes back at once, and from then on every wait gets one without asking the front
  // end: the action runs to its end as if each question were refused.
  platform::Key NextKey() override;
  bool KeyWaiting() override { return hung_up_ || frontend_.KeyWaiting(); }
  void Present() override;
  void SleepMs(int ms) override {
    if (!hung_up_) frontend_.SleepMs(ms);
  }
  void Beep() override { frontend_.Beep(); }
  void MessageBox(std::string_view text, std::string_view title) override;

  // The next key while the game is idle or a window waits for input: delivers a close request,
  // one held back earlier included, a hang-up, and the pointer moving onto another cell.
  platform::Key NextIdleKey();
  // The next key of a window open over the main window: a close request (new, or held back) or a
  // hang-up comes back as a close request and stays pending so that the idle loop closes the
  // program afterwards.
  platform::Key NextWindowKey();
  bool close_requested() const { return close_requested_; }
  // A hang-up has come: nobody will answer any more.
  bool hung_up() const { return hung_up_; }
  void ClearCloseRequest() { close_requested_ = false; }
  // Reads out what is new before each wait for a key.
  void SetNarrator(Narrator* narrator) { narrator_ = narrator; }
  Narrator* narrator() const { return narrator_; }

  const platform::Grid& Compose();

 private:
  platform::Frontend& frontend_;
  platform::Grid grid_;
  std::vector<const Layer*> layers_;
  const Layer* topmost_ = nullptr;
  Narrator* narrator_ = nullptr;
  // The key of the front end, a hang-up remembered; pointer moves only when asked for.
  platform::Key FrontendKey(bool moves = false);

  bool close_requested_ = false;
  bool hung_up_ = false;
};

// The screen a game in the main window draws on (its Io); null for a game run without one.
Screen* ScreenOf(Game& game);

// Pushes a layer for the lifetime of a scope.
class LayerScope {
 public:
  LayerScope(Screen& screen, const Layer& layer) : screen_(screen), layer_(layer) {
    screen_.Push(&layer_);
  }
  ~LayerScope() { screen_.Pop(&layer_); }
  LayerScope(const LayerScope&) = delete;
  LayerScope& operator=(const LayerScope&) = delete;

 private:
  Screen& screen_;
  const Layer& layer_;
};

}  // namespace zaldrun
