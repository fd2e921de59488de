#include "platform/sdl/sdl_frontend.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/hangup_signals.hpp"
#include "platform/png_writer.hpp"
#include "platform/sdl/cell_font.hpp"
#include "platform/sdl/glyph_atlas.hpp"
#include "platform/sdl/grid_layout.hpp"
#include "platform/sdl/grid_mesh.hpp"
#include "platform/sdl/screen_fit.hpp"
#include "platform/sdl/sdl_beep.hpp"
#include "platform/sdl/sdl_key_translator.hpp"

namespace platform {
namespace {

constexpr const char* kTitle = "Залдрун";
constexpr const char* kTryTerminal = ". Запустите игру в терминале: zaldrun --terminal";
// A key-down's text arrives in the same batch of events; input methods may take a moment longer.
constexpr Uint32 kTextWaitMs = 10;
// How often a pause looks at the window.
constexpr Uint32 kSleepSliceMs = 5;
// How often a wait for a key looks for a hang-up signal.
constexpr int kHangupCheckMs = 100;

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

class SdlFrontend final : public Frontend {
 public:
  static std::unique_ptr<SdlFrontend> Create(const SdlOptions& options, std::string* error);
  ~SdlFrontend() override;

  void Present(const Grid& grid) override;
  Key NextKey() override;
  bool KeyWaiting() override;
  void SleepMs(int ms) override;
  void Beep() override { beeper_->Play(); }
  void SetTitle(const std::string& utf8) override { SDL_SetWindowTitle(window_, utf8.c_str()); }
  bool HasTitleBar() const override { return true; }
  void SetFontFace(FontFace face) override;

  bool SaveScreenshot(const std::string& png_path, std::string* error);
  CellSize cell_size() const { return {font_->cell_width(), font_->cell_height()}; }
  SDL_Window* window() const { return window_; }

 private:
  SdlFrontend() = default;

  bool Open(const SdlOptions& options, std::string* error);
  void Render();
  void Redraw();
  // Handles the events that concern only the window; returns false for input events.
  bool HandleWindowEvent(const SDL_Event& event);
  // The window's frame becomes known only once the window shows; the font chosen before is
  // chosen again with the frame counted, so the title bar stays on the screen too.
  void CountInFrame();
  // Handles the window events waiting in the queue and redraws if needed; input stays queued.
  void ServiceWindow();
  void RunCommand(WindowCommand command);
  // Alt+Enter: full screen with the grid as large as the screen takes it, and back.
  void ToggleFullScreen();
  bool InFullScreen() const;
  bool ManagedByWindowManager() const;
  void CoverScreen(bool cover);
  void ChangeFontSize(int step);
  // Takes `font` (of `font_px` pixels) for the cells; false when its atlas cannot be made.
  bool UseFont(std::unique_ptr<CellFont> font, int font_px, std::string* error);
  // Steps the font down from `start_px` until the grid's window fits the screen's usable area
  // (the smallest step when none does), then fits the window to the grid. False, with a message
  // in *error, when no font opens.
  bool FitFontToScreen(int start_px, std::string* error);
  // Sizes the window to the grid, cut to the usable area, and keeps the window on the screen.
  void FitWindowToGrid();
  // Puts the window in the middle of the usable area.
  void CenterWindow();
  // Gives the window `size`, cut to the usable area, and moves it onto the screen where it
  // sticks out. A full-screen or maximised window keeps its size.
  void PlaceWindow(WindowSize size);
  // The area of the window's display that the window's inside may take: the display less its
  // panels and the window's frame. Nothing when the display cannot say.
  std::optional<ScreenRect> UsableArea();
  // Window sizes are in points, which may be larger than pixels on high-density screens.
  double PixelsPerPoint() const;
  CellSize Cell() const { return {font_->cell_width(), font_->cell_height()}; }

  bool signals_caught_ = false;
  bool video_started_ = false;
  bool ttf_started_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  bool software_renderer_ = false;  // colours glyphs in the atlas rather than by vertex
  // The window manager's frame around the window, as last seen outside full screen; it is known
  // only once the window shows.
  int frame_top_ = 0;
  int frame_left_ = 0;
  int frame_bottom_ = 0;
  int frame_right_ = 0;
  bool frame_known_ = false;
  // Full screen without a window manager (a bare X server), where nobody carries out SDL's
  // request: the window itself is made frameless and as large as the screen.
  bool covering_screen_ = false;
  int x_before_full_screen_ = 0;
  int y_before_full_screen_ = 0;
  bool font_fits_frame_ = false;  // the font was chosen with the frame counted
  FontFiles font_files_;
  int font_px_ = 0;
  int font_px_before_full_screen_ = 0;
  int font_px_full_screen_ = 0;  // the step chosen on entering full screen
  WindowSize size_before_full_screen_;
  std::unique_ptr<CellFont> font_;
  GlyphAtlas atlas_;
  GridMesh mesh_;
  GridLayout layout_;
  SdlKeyTranslator translator_;
  std::unique_ptr<SdlBeeper> beeper_ = std::make_unique<SdlBeeper>();
  std::optional<Grid> grid_;
  int columns_ = 0;
  int rows_ = 0;
  bool needs_redraw_ = false;
};

std::unique_ptr<SdlFrontend> SdlFrontend::Create(const SdlOptions& options, std::string* error) {
  std::unique_ptr<SdlFrontend> frontend(new SdlFrontend());
  std::string reason;
  if (!frontend->Open(options, &reason)) {
    if (error) *error = reason + kTryTerminal;
    return nullptr;  // the destructor closes whatever was opened
  }
  return frontend;
}

bool SdlFrontend::Open(const SdlOptions& options, std::string* error) {
  // A desktop program should not switch off the desktop's compositor.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // SIGTERM and SIGINT would come as SDL_QUIT, which asks the player a question; a signal saves
  // without one, and so does SIGHUP, which SDL leaves deadly.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  InstallHangupSignals();
  signals_caught_ = true;
  // The software renderer draws into the window's own pixels (shared memory on X11); SDL would
  // otherwise keep them in an OpenGL texture, which loads the graphics driver after all.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    *error = std::string("Не удалось открыть окно: ") + SDL_GetError();
    return false;
  }
  video_started_ = true;
  if (TTF_Init() != 0) {
    *error = std::string("Не удалось запустить вывод шрифтов: ") + TTF_GetError();
    return false;
  }
  ttf_started_ = true;

  font_files_ = FontFiles{options.bitmap_font, options.scalable_font, options.fallback_font};
  columns_ = std::max(1, options.columns);
  rows_ = std::max(1, options.rows);
  // The window stays hidden until the font that fits the screen is chosen and the window sized
  // for it, so it never shows larger than the screen.
  window_ = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    *error = std::string("Не удалось открыть окно: ") + SDL_GetError();
    return false;
  }
  // SDL's software renderer everywhere: it draws the whole grid in about a millisecond, while a
  // graphics card's renderer first loads its driver (Mesa's OpenGL without a card maps LLVM, tens
  // of megabytes) and shows the first frame later. SDL_RENDER_DRIVER still names another.
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    *error = std::string("Не удалось открыть окно: ") + SDL_GetError();
    return false;
  }
  SDL_RendererInfo info{};
  software_renderer_ =
      SDL_GetRendererInfo(renderer_, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  if (!FitFontToScreen(options.font_px, error)) return false;
  CenterWindow();
  SDL_ShowWindow(window_);

  // Releases mean nothing to the game; ignoring them spares wake-ups and keeps them from coming
  // between a key-down and its text. Motion is kept: the cell under the pointer is described.
  for (Uint32 type : {SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL, SDL_KEYUP, SDL_FINGERMOTION,
                      SDL_FINGERDOWN, SDL_FINGERUP}) {
    SDL_EventState(type, SDL_IGNORE);
  }
  SDL_StartTextInput();
  Redraw();
  return true;
}

SdlFrontend::~SdlFrontend() {
  // Everything made with SDL goes before SDL itself, textures before their renderer.
  beeper_.reset();
  atlas_.Release();
  font_.reset();
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (ttf_started_) TTF_Quit();
  if (video_started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  if (signals_caught_) RemoveHangupSignals();
}

void SdlFrontend::Present(const Grid& grid) {
  const bool resized = !grid_ || grid.width() != columns_ || grid.height() != rows_;
  if (grid_) {
    *grid_ = grid;  // reuses the cells' storage
  } else {
    grid_.emplace(grid);
  }
  if (resized) {
    columns_ = grid.width();
    rows_ = grid.height();
    std::string ignored;  // the font in use stays when no smaller one opens
    if (!FitFontToScreen(font_px_, &ignored)) FitWindowToGrid();
  }
  Redraw();
}

Key SdlFrontend::NextKey() {
  for (;;) {
    if (HangupSignalled()) return Key::Of(KeyKind::kHangup);
    while (std::optional<TranslatedInput> input = translator_.Pop()) {
      if (input->command == WindowCommand::kNone) return input->key;
      RunCommand(input->command);
    }
    SDL_Event event;
    if (translator_.awaiting_text()) {
      if (!SDL_WaitEventTimeout(&event, kTextWaitMs)) {
        translator_.EndOfEvents();
        continue;
      }
    } else {
      if (needs_redraw_ && !SDL_PollEvent(nullptr)) Redraw();
      if (!SDL_WaitEventTimeout(&event, kHangupCheckMs)) continue;
    }
    if (!HandleWindowEvent(event)) translator_.Feed(event);
  }
}

bool SdlFrontend::KeyWaiting() {
  if (HangupSignalled() || translator_.HasKey()) return true;
  ServiceWindow();
  constexpr int kLook = 32;
  SDL_Event events[kLook];
  const int count = SDL_PeepEvents(events, kLook, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  for (int i = 0; i < count; ++i) {
    if (SdlKeyTranslator::IsKeyEvent(events[i])) return true;
  }
  return false;
}

void SdlFrontend::SleepMs(int ms) {
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(ms, 0));
  for (;;) {
    ServiceWindow();
    const Uint64 now = SDL_GetTicks64();
    if (now >= deadline || HangupSignalled()) return;
    SDL_Delay(static_cast<Uint32>(std::min<Uint64>(deadline - now, kSleepSliceMs)));
  }
}

bool SdlFrontend::HandleWindowEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          needs_redraw_ = true;
          CountInFrame();
          break;
        default:
          break;
      }
      return true;
    case SDL_RENDER_TARGETS_RESET:
      needs_redraw_ = true;
      return true;
    case SDL_RENDER_DEVICE_RESET: {
      // The device took every texture with it.
      std::string ignored;
      atlas_.Reset(renderer_, font_.get(), software_renderer_, &ignored);
      needs_redraw_ = true;
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_TEXTINPUT:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEMOTION:
    case SDL_QUIT:
      return false;
    default:
      return true;  // nothing the game or the window needs
  }
}

void SdlFrontend::CountInFrame() {
  if (font_fits_frame_) return;
  UsableArea();
  if (!frame_known_) return;
  const int font_px = font_px_;
  std::string ignored;  // the font in use stays when no smaller one opens
  FitFontToScreen(font_px_, &ignored);
  if (font_px_ != font_px) CenterWindow();  // it has only just shown
}

void SdlFrontend::ServiceWindow() {
  SDL_PumpEvents();
  SDL_Event event;
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) > 0 ||
         SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_RENDER_TARGETS_RESET,
                        SDL_RENDER_DEVICE_RESET) > 0) {
    HandleWindowEvent(event);
  }
  if (needs_redraw_) Redraw();
}

void SdlFrontend::RunCommand(WindowCommand command) {
  switch (command) {
    case WindowCommand::kFontLarger:
      ChangeFontSize(+1);
      break;
    case WindowCommand::kFontSmaller:
      ChangeFontSize(-1);
      break;
    case WindowCommand::kToggleFullScreen:
      ToggleFullScreen();
      break;
    case WindowCommand::kNone:
      break;
  }
}

void SdlFrontend::ToggleFullScreen() {
  std::string ignored;  // a font that does not open leaves the one in use
  if (!InFullScreen()) {
    font_px_before_full_screen_ = font_px_;
    SDL_GetWindowSize(window_, &size_before_full_screen_.width, &size_before_full_screen_.height);
    SDL_GetWindowPosition(window_, &x_before_full_screen_, &y_before_full_screen_);
    if (ManagedByWindowManager()) {
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
      CoverScreen(true);
    }
    // The whole layout grows with the screen: the largest step whose grid fits it.
    FitFontToScreen(NextFontSize(std::numeric_limits<int>::max(), -1), &ignored);
    font_px_full_screen_ = font_px_;
  } else {
    const bool covered = covering_screen_;
    if (covered) {
      CoverScreen(false);
    } else {
      SDL_SetWindowFullscreen(window_, 0);
    }
    // Back in a window: the font and the size it had, or, when the player chose another size
    // meanwhile, the grid's size at that one; within the screen either way.
    if (font_px_ != font_px_full_screen_) {
      FitWindowToGrid();
    } else {
      if (std::unique_ptr<CellFont> font =
              CellFont::Open(font_px_before_full_screen_, font_files_, &ignored)) {
        UseFont(std::move(font), font_px_before_full_screen_, &ignored);
      }
      PlaceWindow(size_before_full_screen_);
    }
    // Without a window manager nobody puts the window back where it was.
    if (covered) SDL_SetWindowPosition(window_, x_before_full_screen_, y_before_full_screen_);
  }
  needs_redraw_ = true;
}

bool SdlFrontend::InFullScreen() const {
  return covering_screen_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

// A window manager on X puts a frame around the window and says how wide it is; with no frame
// reported on X there is none. Elsewhere SDL's full screen is trusted.
bool SdlFrontend::ManagedByWindowManager() const {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::string_view(driver) != "x11") return true;
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  return SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0 ||
         top + left + bottom + right > 0;
}

void SdlFrontend::CoverScreen(bool cover) {
  covering_screen_ = cover;
  SDL_SetWindowBordered(window_, cover ? SDL_FALSE : SDL_TRUE);
  if (!cover) return;
  int display = SDL_GetWindowDisplayIndex(window_);
  if (display < 0) display = 0;
  SDL_Rect bounds{};
  if (SDL_GetDisplayBounds(display, &bounds) != 0) return;
  SDL_SetWindowPosition(window_, bounds.x, bounds.y);
  SDL_SetWindowSize(window_, bounds.w, bounds.h);
}

void SdlFrontend::SetFontFace(FontFace face) {
  const FontFiles files = FontFilesOf(face);
  if (files == font_files_) return;
  std::string error;
  std::unique_ptr<CellFont> font = CellFont::Open(font_px_, files, &error);
  if (font == nullptr) return;  // the face in use stays
  font_files_ = files;
  UseFont(std::move(font), font_px_, &error);
  // Cells of another face have another size: the grid must still fit the screen.
  FitFontToScreen(font_px_, &error);
}

void SdlFrontend::ChangeFontSize(int step) {
  const int wanted = NextFontSize(font_px_, step);
  if (wanted == font_px_) return;
  std::string error;
  std::unique_ptr<CellFont> font = CellFont::Open(wanted, font_files_, &error);
  if (font == nullptr) return;  // keep the size that works
  // Growing is refused once the grid would no longer fit on the screen.
  if (step > 0) {
    const std::optional<ScreenRect> area = UsableArea();
    const CellSize cell{font->cell_width(), font->cell_height()};
    if (area && !FitsIn(GridWindowSize(columns_, rows_, cell, PixelsPerPoint()), *area)) return;
  }
  UseFont(std::move(font), wanted, &error);
  FitWindowToGrid();
}

bool SdlFrontend::UseFont(std::unique_ptr<CellFont> font, int font_px, std::string* error) {
  atlas_.Release();
  font_ = std::move(font);
  font_px_ = font_px;
  needs_redraw_ = true;
  return atlas_.Reset(renderer_, font_.get(), software_renderer_, error);
}

bool SdlFrontend::FitFontToScreen(int start_px, std::string* error) {
  // Without a known screen every step fits, and the first one is taken.
  constexpr int kUnlimited = std::numeric_limits<int>::max();
  const ScreenRect area = UsableArea().value_or(ScreenRect{0, 0, kUnlimited, kUnlimited});
  // The font in use is not opened again; of the others, the last one opened is kept for use.
  std::unique_ptr<CellFont> opened;
  int opened_px = 0;
  const auto cell_of = [&](int px) -> std::optional<CellSize> {
    if (font_ != nullptr && px == font_px_) return Cell();
    std::unique_ptr<CellFont> font = CellFont::Open(px, font_files_, error);
    if (font == nullptr) return std::nullopt;
    opened = std::move(font);
    opened_px = px;
    return CellSize{opened->cell_width(), opened->cell_height()};
  };
  const std::optional<FontStep> step =
      ChooseFontStep(start_px, columns_, rows_, area, PixelsPerPoint(), cell_of);
  if (!step) return false;
  if (font_ == nullptr || step->font_px != font_px_) {
    if (opened_px != step->font_px) opened = CellFont::Open(step->font_px, font_files_, error);
    if (opened == nullptr || !UseFont(std::move(opened), step->font_px, error)) return false;
  }
  font_fits_frame_ = frame_known_;
  FitWindowToGrid();
  return true;
}

void SdlFrontend::FitWindowToGrid() {
  PlaceWindow(GridWindowSize(columns_, rows_, Cell(), PixelsPerPoint()));
}

void SdlFrontend::PlaceWindow(WindowSize size) {
  // A full-screen or maximised window keeps its size; the grid is centred in it.
  if (InFullScreen() || (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0) return;
  const std::optional<ScreenRect> area = UsableArea();
  // Cut to the screen as a last resort; the grid keeps its top-left corner in view.
  if (area) size = CutTo(size, *area);
  SDL_SetWindowSize(window_, size.width, size.height);
  if (area) {
    // A window that grew past the screen's edge moves back in, its frame too.
    ScreenRect window{0, 0, size.width, size.height};
    SDL_GetWindowPosition(window_, &window.x, &window.y);
    const ScreenRect inside = MoveInside(window, *area);
    if (inside.x != window.x || inside.y != window.y) {
      SDL_SetWindowPosition(window_, inside.x, inside.y);
    }
  }
  needs_redraw_ = true;
}

void SdlFrontend::CenterWindow() {
  const std::optional<ScreenRect> area = UsableArea();
  if (!area) return;
  WindowSize size;
  SDL_GetWindowSize(window_, &size.width, &size.height);
  const ScreenRect place = CenterIn(size, *area);
  SDL_SetWindowPosition(window_, place.x, place.y);
}

std::optional<ScreenRect> SdlFrontend::UsableArea() {
  int display = SDL_GetWindowDisplayIndex(window_);
  if (display < 0) display = 0;
  // A full-screen window covers the panels too.
  const bool full_screen = InFullScreen();
  SDL_Rect usable{};
  const int failed = full_screen ? SDL_GetDisplayBounds(display, &usable)
                                 : SDL_GetDisplayUsableBounds(display, &usable);
  if (failed != 0 || usable.w <= 0 || usable.h <= 0) return std::nullopt;
  // A full-screen window has no frame; the one it has in a window is what counts.
  if (full_screen) return ScreenRect{usable.x, usable.y, usable.w, usable.h};
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0 &&
      top + left + bottom + right > 0) {
    frame_top_ = top;
    frame_left_ = left;
    frame_bottom_ = bottom;
    frame_right_ = right;
    frame_known_ = true;
  }
  return ScreenRect{usable.x + frame_left_, usable.y + frame_top_,
                    std::max(1, usable.w - frame_left_ - frame_right_),
                    std::max(1, usable.h - frame_top_ - frame_bottom_)};
}

double SdlFrontend::PixelsPerPoint() const {
  int window_w = 0;
  int window_h = 0;
  int output_w = 0;
  int output_h = 0;
  SDL_GetWindowSize(window_, &window_w, &window_h);
  SDL_GetRendererOutputSize(renderer_, &output_w, &output_h);
  return window_w > 0 && output_w > 0 ? 1.0 * output_w / window_w : 1.0;
}

void SdlFrontend::Render() {
  int output_w = 0;
  int output_h = 0;
  int window_w = 0;
  int window_h = 0;
  SDL_GetRendererOutputSize(renderer_, &output_w, &output_h);
  SDL_GetWindowSize(window_, &window_w, &window_h);
  layout_ =
      CenterGrid(output_w, output_h, columns_, rows_, font_->cell_width(), font_->cell_height());
  translator_.set_layout(layout_);
  if (window_w > 0 && window_h > 0) {
    translator_.set_pixels_per_point(static_cast<float>(output_w) / static_cast<float>(window_w),
                                     static_cast<float>(output_h) / static_cast<float>(window_h));
  }

  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (!grid_) return;
  mesh_.Build(*grid_, layout_, atlas_);
  if (mesh_.indices().empty()) return;
  SDL_RenderGeometry(renderer_, atlas_.texture(), mesh_.vertices().data(),
                     static_cast<int>(mesh_.vertices().size()), mesh_.indices().data(),
                     static_cast<int>(mesh_.indices().size()));
}

void SdlFrontend::Redraw() {
  Render();
  SDL_RenderPresent(renderer_);
  needs_redraw_ = false;
}

bool SdlFrontend::SaveScreenshot(const std::string& png_path, std::string* error) {
  // What a renderer holds after presenting is undefined, so draw the frame again to read it.
  Render();
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  const int read =
      SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB24, rgb.data(), width * 3);
  SDL_RenderPresent(renderer_);
  if (read != 0) {
    if (error) *error = std::string("Не удалось прочитать изображение окна: ") + SDL_GetError();
    return false;
  }
  return WritePng(png_path, width, height, rgb, error);
}

}  // namespace

std::unique_ptr<Frontend> CreateSdlFrontend(const SdlOptions& options, std::string* error) {
  return SdlFrontend::Create(options, error);
}

bool DisplayAvailable() {
  return EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY") ||
         EnvironmentSet("SDL_VIDEODRIVER");
}

bool SaveSdlScreenshot(Frontend& frontend, const std::string& png_path, std::string* error) {
  auto* window = dynamic_cast<SdlFrontend*>(&frontend);
  if (window == nullptr) {
    if (error) *error = "Снимок экрана можно сделать только в окне.";
    return false;
  }
  return window->SaveScreenshot(png_path, error);
}

CellSize CellPixelSize(Frontend& frontend) {
  auto* window = dynamic_cast<SdlFrontend*>(&frontend);
  return window ? window->cell_size() : CellSize{};
}

SDL_Window* SdlWindowOf(Frontend& frontend) {
  auto* window = dynamic_cast<SdlFrontend*>(&frontend);
  return window ? window->window() : nullptr;
}

}  // namespace platform
