#include "platform/web/web_frontend.hpp"

#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "base/stored_files.hpp"
#include "platform/web/dom_keys.hpp"

// The page's script library (web_canvas.js).
extern "C" {
void zaldrun_web_present(const uint32_t* cells, int width, int height);
// Returns at once when input is queued, else when some arrives (the program sleeps meanwhile).
void zaldrun_web_wait_input();
// Takes the oldest input: 0 when none, else its kind (1 key, 2 click), with numbers[] = shift,
// ctrl, alt, num lock, cell x, cell y, and the key's code and name.
int zaldrun_web_take_input(int* numbers, char* code, int code_size, char* key, int key_size);
// Whether the browser has queued input the game has not taken yet.
int zaldrun_web_input_waiting();
void zaldrun_web_beep();
void zaldrun_web_set_title(const char* utf8);
void zaldrun_web_keep_files();
}

namespace zaldrun {

void KeepWrittenFiles() { zaldrun_web_keep_files(); }

}  // namespace zaldrun

namespace platform {
namespace {

constexpr int kInputKey = 1;
constexpr int kInputClick = 2;

class WebFrontend final : public Frontend {
 public:
  void Present(const Grid& grid) override {
    packed_.clear();
    for (const Cell& cell : grid.cells()) {
      packed_.push_back(static_cast<uint32_t>(cell.ch));
      packed_.push_back(ToPackedBgr(cell.fg));
      packed_.push_back(ToPackedBgr(cell.bg));
    }
    zaldrun_web_present(packed_.data(), grid.width(), grid.height());
  }

  Key NextKey() override {
    for (;;) {
      if (std::optional<Key> key = TakeInput()) return *key;
      zaldrun_web_wait_input();
    }
  }

  // The page hears keys only while the program yields: a walk that asks gives the browser a moment
  // to deliver them first.
  bool KeyWaiting() override {
    emscripten_sleep(0);
    return zaldrun_web_input_waiting() != 0;
  }
  void SleepMs(int ms) override { emscripten_sleep(ms > 0 ? ms : 0); }
  void Beep() override { zaldrun_web_beep(); }
  void SetTitle(const std::string& utf8) override { zaldrun_web_set_title(utf8.c_str()); }
  // The browser's tab shows the title.
  bool HasTitleBar() const override { return true; }

 private:
  // The oldest queued input the game can use; nothing when the queue is empty or the input
  // means nothing to the game.
  std::optional<Key> TakeInput() {
    int numbers[6] = {};
    char code[32] = {};
    char name[64] = {};
    const int kind = zaldrun_web_take_input(numbers, code, sizeof code, name, sizeof name);
    if (kind == kInputClick) {
      Key key = Key::Of(KeyKind::kMouseClick);
      key.x = numbers[4];
      key.y = numbers[5];
      return key;
    }
    if (kind != kInputKey) return std::nullopt;
    return TranslateDomKey(DomKeyDown{.code = code,
                                      .key = name,
                                      .shift = numbers[0] != 0,
                                      .ctrl = numbers[1] != 0,
                                      .alt = numbers[2] != 0,
                                      .num_lock = numbers[3] != 0});
  }

  std::vector<uint32_t> packed_;
};

}  // namespace

std::unique_ptr<Frontend> CreateWebFrontend() { return std::make_unique<WebFrontend>(); }

}  // namespace platform
