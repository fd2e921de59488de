#include "ui/about_window.hpp"

#include <array>
#include <string>

#include "base/utf8.hpp"
#include "ui/message_box.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

// "ЗАЛДРУН" in letters seven cells high: '#' marks a filled cell.
constexpr int kLetterRows = 7;
constexpr std::array<std::array<const char*, kLetterRows>, 7> kBanner = {{
    {" ##### ", "#     #", "      #", "  #### ", "      #", "#     #", " ##### "},  // З
    {"   #   ", "  # #  ", " #   # ", "#     #", "#######", "#     #", "#     #"},  // А
    {"  #####", "  #   #", "  #   #", "  #   #", "  #   #", "  #   #", "##    #"},  // Л
    {"  #### ", " #   # ", " #   # ", " #   # ", " #   # ", "#######", "#     #"},  // Д
    {"###### ", "#     #", "#     #", "###### ", "#      ", "#      ", "#      "},  // Р
    {"#     #", "#     #", "#     #", " ######", "      #", "#     #", " ##### "},  // У
    {"#     #", "#     #", "#     #", "#######", "#     #", "#     #", "#     #"},  // Н
}};
constexpr int kLetterWidth = 7;
constexpr int kLetterGap = 2;

constexpr std::array<const char*, 6> kCredits = {
    "Пошаговая игра-исследование подземелий.",
    "Деревня Мухоморово, Геладан, гробница Ар'Кхамета,",
    "болота, пещеры и леса ждут героя.",
    "",
    "Версия " ZALDRUN_VERSION,
    "Программа и данные: команда Залдруна.",
};

constexpr platform::Color kBannerColour{230, 190, 60};
constexpr const char* kOk = "OK";

class AboutLayer : public Layer {
 public:
  void Draw(platform::Grid& grid) const override {
    const int banner_width = 7 * kLetterWidth + 6 * kLetterGap;
    const int w = banner_width + 8;
    const int h = kLetterRows + static_cast<int>(kCredits.size()) + 8;
    const ui::Rect rect = ui::CentredRect(grid, w, h);
    ui::DrawWindow(grid, rect, "О программе");
    const int left = rect.x + 4;
    for (size_t letter = 0; letter < kBanner.size(); ++letter) {
      for (int row = 0; row < kLetterRows; ++row) {
        const std::string_view line = kBanner[letter][static_cast<size_t>(row)];
        for (int col = 0; col < kLetterWidth; ++col) {
          if (line[static_cast<size_t>(col)] != '#') continue;
          grid.Put(left + static_cast<int>(letter) * (kLetterWidth + kLetterGap) + col,
                   rect.y + 2 + row, U'█', kBannerColour, ui::palette::kWindowBg);
        }
      }
    }
    int y = rect.y + 3 + kLetterRows;
    for (const char* line : kCredits) {
      const int x = ui::CentreColumn(rect.x, rect.w, Utf8Length(line));
      grid.PutText(x, y++, line, ui::palette::kWindowFg, ui::palette::kWindowBg);
    }
    ok_ = ui::DrawButton(grid, ui::CentreColumn(rect.x, rect.w, ui::ButtonWidth(kOk)),
                         rect.y + rect.h - 2, kOk, true);
  }

  const ui::Rect& ok() const { return ok_; }

 private:
  mutable ui::Rect ok_;
};

}  // namespace

void RunAboutWindow(Screen& screen) {
  AboutLayer layer;
  RunOkDialog(screen, layer, layer.ok(), true);
}

}  // namespace zaldrun
