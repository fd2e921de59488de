#include "items/item_types.hpp"

#include <cmath>

#include "items/item_names_check.hpp"
#include "state/file_io.hpp"
#include "state/game.hpp"
#include "state/text_table.hpp"

namespace zaldrun {

namespace {

using P = AppearancePool;

struct TypeRow {
  uint8_t category;
  uint8_t skill_class;
  uint8_t glyph;
  int32_t colour;  // 0 for types whose colour comes from their appearance
  uint8_t knowledge;
  AppearancePool pool;
  int16_t weight;
  uint8_t gender;
  int16_t speed;
  int32_t price;
  uint8_t level;
  uint8_t frequency;
};

// Category, skill class, glyph, colour, knowledge, pool, weight, gender, speed, price, level,
// frequency of types 1..207.
constexpr TypeRow kTypeRows[kItemTypeCount] = {
    {8, 11, 37, 65280, 1, P::kNone, 3, 2, 400, 25, 2, 20},          // 1
    {9, 11, 42, 7895160, 0, P::kNone, 4, 0, 1000, 4, 1, 40},        // 2
    {1, 0, 93, 23180, 0, P::kNone, 5, 3, 0, 40, 2, 40},             // 3
    {0, 7, 40, 20580, 0, P::kNone, 40, 1, 1300, 140, 3, 50},        // 4
    {0, 3, 40, 14464180, 0, P::kNone, 5, 0, 700, 75, 1, 40},        // 5
    {1, 0, 93, 14474460, 0, P::kNone, 10, 1, 0, 120, 2, 40},        // 6
    {0, 7, 40, 10526880, 0, P::kNone, 120, 1, 1500, 180, 4, 40},    // 7
    {1, 0, 93, 41120, 0, P::kNone, 100, 1, 0, 380, 3, 40},          // 8
    {4, 0, 33, 16384000, 1, P::kNone, 12, 1, 160, 240, 200, 0},     // 9
    {0, 5, 40, 38570, 0, P::kNone, 100, 3, 2200, 260, 3, 30},       // 10
    {0, 4, 40, 10526880, 0, P::kNone, 90, 0, 1300, 180, 5, 40},     // 11
    {0, 1, 40, 10503750, 0, P::kNone, 40, 0, 1000, 400, 3, 40},     // 12
    {2, 0, 167, 9895750, 0, P::kNone, 20, 0, 0, 100, 200, 0},       // 13
    {2, 0, 128, 65535, 0, P::kNone, 2, 1, 0, 150, 200, 0},          // 14
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 290, 5, 44},       // 15
    {8, 0, 37, 43760, 1, P::kNone, 60, 1, 2800, 350, 6, 40},        // 16
    {8, 0, 136, 255, 1, P::kNone, 5, 2, 0, 2500, 200, 0},           // 17
    {0, 4, 40, 8256255, 0, P::kNone, 65, 0, 1300, 800, 6, 40},      // 18
    {0, 6, 40, 16769490, 0, P::kNone, 6, 1, 1000, 30, 1, 22},       // 19
    {1, 0, 93, 3328200, 0, P::kNone, 200, 1, -3, 1050, 8, 45},      // 20
    {0, 8, 124, 25760, 0, P::kNone, 35, 0, 1200, 500, 3, 40},       // 21
    {0, 7, 40, 20580, 0, P::kNone, 15, 1, 1000, 40, 1, 30},         // 22
    {1, 0, 93, 14474460, 0, P::kNone, 6, 1, 0, 75, 2, 35},          // 23
    {1, 0, 93, 16752640, 0, P::kNone, 40, 0, 0, 1100, 8, 40},       // 24
    {1, 0, 91, 30840, 0, P::kNone, 60, 0, 0, 600, 5, 40},           // 25
    {1, 0, 91, 30840, 0, P::kNone, 60, 0, 0, 220, 1, 25},           // 26
    {1, 0, 93, 18060, 0, P::kNone, 8, 3, 0, 90, 2, 40},             // 27
    {8, 0, 37, 25740, 1, P::kNone, 12, 1, 2400, 75, 4, 40},         // 28
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 650, 4, 40},             // 29
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 200, 200, 2, 60},            // 30
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1000, 8, 40},            // 31
    {0, 1, 40, 16770750, 0, P::kNone, 32, 0, 900, 600, 4, 40},      // 32
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 570, 6, 40},             // 33
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 620, 6, 40},                // 34
    {0, 3, 40, 16711935, 2, P::kNone, 5, 0, 700, 1050, 9, 34},      // 35
    {9, 12, 47, 51400, 0, P::kNone, 2, 0, 900, 9, 2, 40},           // 36
    {1, 0, 93, 14474460, 3, P::kNone, 6, 1, 0, 120, 3, 40},         // 37
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 1670, 11, 40},              // 38
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 960, 7, 40},             // 39
    {0, 4, 40, 255, 0, P::kNone, 65, 0, 1350, 2000, 12, 40},        // 40
    {1, 0, 93, 65280, 3, P::kNone, 15, 3, 15, 2050, 9, 36},         // 41
    {4, 0, 33, 0, 2, P::kPotion, 8, 2, 50, 450, 3, 37},             // 42
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 960, 8, 40},                // 43
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 1000, 200, 0},              // 44
    {0, 4, 40, 10526880, 0, P::kNone, 90, 0, 1300, 800, 7, 40},     // 45
    {0, 7, 40, 53760, 0, P::kNone, 15, 1, 1000, 700, 200, 0},       // 46
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1750, 11, 40},           // 47
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1300, 9, 40},            // 48
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 135, 5, 73},       // 49
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 90, 2, 45},        // 50
    {8, 0, 37, 57825, 1, P::kNone, 2, 1, 600, 50, 2, 20},           // 51
    {8, 11, 37, 65280, 3, P::kNone, 3, 2, 400, 250, 4, 19},         // 52
    {8, 0, 37, 200, 1, P::kNone, 20, 1, 1200, 60, 3, 30},           // 53
    {8, 0, 37, 18120, 1, P::kNone, 20, 1, 3200, 200, 4, 40},        // 54
    {8, 0, 37, 16777215, 1, P::kNone, 5, 1, 60, 5, 1, 12},          // 55
    {0, 4, 40, 8256255, 0, P::kNone, 65, 0, 1300, 135, 1, 30},      // 56
    {0, 1, 40, 10503750, 0, P::kNone, 40, 0, 1000, 90, 1, 30},      // 57
    {0, 5, 40, 30920, 0, P::kNone, 30, 2, 1000, 380, 3, 40},        // 58
    {0, 5, 40, 30920, 0, P::kNone, 20, 2, 1000, 250, 2, 40},        // 59
    {0, 5, 40, 30920, 0, P::kNone, 60, 2, 1100, 750, 5, 40},        // 60
    {0, 5, 40, 30920, 0, P::kNone, 30, 2, 1000, 1000, 6, 40},       // 61
    {0, 5, 40, 16763080, 0, P::kNone, 80, 1, 1500, 1100, 8, 40},    // 62
    {0, 2, 40, 10503750, 0, P::kNone, 60, 0, 1100, 900, 8, 40},     // 63
    {1, 0, 91, 13158550, 0, P::kNone, 50, 0, 0, 400, 2, 40},        // 64
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 200, 300, 6, 40},            // 65
    {4, 0, 33, 16776960, 1, P::kNone, 8, 1, 300, 90, 5, 130},       // 66
    {0, 1, 40, 16770750, 0, P::kNone, 32, 0, 900, 650, 5, 40},      // 67
    {0, 4, 40, 8256255, 0, P::kNone, 40, 0, 1100, 550, 3, 40},      // 68
    {0, 4, 40, 8256255, 0, P::kNone, 80, 0, 1500, 1600, 8, 40},     // 69
    {0, 4, 40, 8256255, 0, P::kNone, 70, 1, 1300, 1200, 7, 40},     // 70
    {0, 4, 40, 8256255, 0, P::kNone, 85, 1, 1500, 2500, 11, 40},    // 71
    {0, 2, 40, 10503750, 0, P::kNone, 50, 0, 1000, 700, 5, 40},     // 72
    {0, 2, 40, 10503750, 0, P::kNone, 75, 0, 1400, 1500, 8, 40},    // 73
    {0, 2, 40, 10503750, 0, P::kNone, 85, 0, 1400, 2360, 11, 40},   // 74
    {0, 3, 40, 16776960, 2, P::kNone, 5, 0, 700, 250, 2, 40},       // 75
    {0, 3, 40, 16776960, 2, P::kNone, 5, 0, 700, 1400, 11, 40},     // 76
    {0, 2, 40, 10503750, 0, P::kNone, 60, 0, 1100, 2500, 200, 0},   // 77
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 285, 2, 40},                // 78
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 820, 8, 40},                // 79
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 710, 7, 40},                // 80
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 258, 2, 40},                // 81
    {0, 5, 40, 30920, 0, P::kNone, 30, 2, 900, 3800, 200, 0},       // 82
    {0, 5, 40, 30920, 0, P::kNone, 30, 2, 1000, 2000, 7, 40},       // 83
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 1530, 8, 30},      // 84
    {0, 6, 40, 7905480, 0, P::kNone, 60, 1, 1250, 750, 5, 40},      // 85
    {0, 6, 40, 7905480, 0, P::kNone, 100, 1, 1500, 1250, 9, 40},    // 86
    {0, 6, 40, 7905480, 0, P::kNone, 100, 1, 1500, 2500, 12, 30},   // 87
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1200, 9, 30},            // 88
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1700, 10, 30},           // 89
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 910, 8, 40},                // 90
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 1458, 8, 40},               // 91
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 2000, 10, 40},           // 92
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 1080, 7, 37},      // 93
    {0, 9, 41, 7905480, 0, P::kNone, 14, 0, 1000, 450, 3, 40},      // 94
    {0, 9, 41, 7905480, 0, P::kNone, 14, 0, 1000, 690, 5, 40},      // 95
    {0, 9, 41, 7905480, 0, P::kNone, 20, 0, 1000, 930, 7, 40},      // 96
    {0, 9, 41, 7905480, 0, P::kNone, 30, 0, 1000, 1500, 8, 40},     // 97
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 6, 1, 40},           // 98
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 10, 2, 40},          // 99
    {0, 10, 41, 13158600, 0, P::kNone, 22, 0, 1400, 560, 3, 40},    // 100
    {0, 10, 41, 13158600, 0, P::kNone, 22, 0, 1400, 900, 6, 40},    // 101
    {0, 10, 41, 13158600, 0, P::kNone, 22, 0, 1400, 1500, 9, 40},   // 102
    {0, 10, 41, 13158600, 0, P::kNone, 22, 0, 1400, 2400, 12, 36},  // 103
    {9, 10, 47, 51400, 0, P::kNone, 2, 0, 1000, 15, 2, 40},         // 104
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 50, 5, 34},          // 105
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 42, 6, 34},          // 106
    {9, 10, 47, 51400, 0, P::kNone, 2, 0, 1000, 55, 7, 34},         // 107
    {9, 10, 47, 51400, 0, P::kNone, 2, 0, 1000, 160, 10, 34},       // 108
    {0, 11, 41, 7905480, 0, P::kNone, 6, 1, 1000, 360, 3, 40},      // 109
    {0, 11, 41, 7905480, 0, P::kNone, 6, 1, 1000, 995, 7, 40},      // 110
    {1, 0, 93, 3328200, 0, P::kNone, 60, 1, 0, 460, 4, 40},         // 111
    {1, 0, 93, 3328200, 0, P::kNone, 60, 1, 0, 670, 6, 45},         // 112
    {1, 0, 93, 16752640, 0, P::kNone, 40, 1, 0, 500, 5, 40},        // 113
    {0, 4, 40, 8256255, 0, P::kNone, 70, 1, 1300, 2500, 200, 0},    // 114
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 80, 6, 36},          // 115
    {9, 10, 47, 51400, 0, P::kNone, 2, 0, 1000, 105, 6, 36},        // 116
    {2, 0, 36, 65535, 1, P::kNone, 0, 1, 0, 1, 200, 0},             // 117
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 220, 2, 30},             // 118
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 610, 4, 40},             // 119
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1410, 8, 40},            // 120
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 800, 8, 40},                // 121
    {1, 0, 93, 8257405, 0, P::kNone, 100, 1, -2, 1700, 9, 40},      // 122
    {1, 0, 93, 13158600, 0, P::kNone, 320, 0, -6, 2500, 10, 45},    // 123
    {1, 0, 93, 16762880, 0, P::kNone, 450, 0, -9, 3500, 12, 40},    // 124
    {1, 0, 91, 13158600, 0, P::kNone, 60, 0, 0, 900, 6, 40},        // 125
    {1, 0, 91, 13158655, 0, P::kNone, 80, 0, -3, 1760, 10, 40},     // 126
    {1, 0, 91, 16763080, 0, P::kNone, 80, 0, -3, 1500, 9, 40},      // 127
    {1, 0, 91, 13158600, 0, P::kNone, 130, 0, -6, 3000, 12, 40},    // 128
    {1, 0, 93, 3328200, 0, P::kNone, 8, 1, 0, 200, 3, 40},          // 129
    {1, 0, 93, 23180, 0, P::kNone, 20, 3, 0, 220, 3, 40},           // 130
    {1, 0, 93, 23180, 0, P::kNone, 60, 3, 0, 670, 7, 40},           // 131
    {8, 0, 37, 65280, 3, P::kNone, 1, 0, 140, 35, 200, 0},          // 132
    {8, 0, 37, 65280, 3, P::kNone, 1, 0, 80, 100, 200, 0},          // 133
    {5, 0, 63, 51455, 1, P::kNone, 3, 0, 0, 15, 200, 0},            // 134
    {3, 0, 61, 255, 1, P::kNone, 2, 2, 0, 50, 200, 0},              // 135
    {0, 2, 40, 255, 1, P::kNone, 40, 0, 1500, 50, 200, 0},          // 136
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1300, 7, 40},            // 137
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 115, 2, 25},       // 138
    {1, 0, 93, 3328200, 0, P::kNone, 250, 1, -4, 1500, 9, 40},      // 139
    {1, 0, 93, 16752640, 0, P::kNone, 60, 0, 0, 2000, 10, 35},      // 140
    {1, 0, 93, 3328200, 0, P::kNone, 30, 1, 0, 250, 3, 40},         // 141
    {5, 0, 136, 10526880, 1, P::kNone, 20, 0, 0, 40, 200, 0},       // 142
    {1, 0, 91, 16711880, 0, P::kNone, 60, 0, -4, 4000, 200, 0},     // 143
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 620, 5, 40},                // 144
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 870, 7, 34},             // 145
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 680, 5, 31},             // 146
    {1, 0, 93, 14474460, 0, P::kNone, 8, 0, 0, 160, 2, 25},         // 147
    {1, 0, 93, 14474460, 0, P::kNone, 25, 0, 0, 410, 4, 40},        // 148
    {1, 0, 93, 14474460, 0, P::kNone, 12, 1, 0, 120, 2, 40},        // 149
    {1, 0, 93, 14474460, 0, P::kNone, 20, 1, 0, 2000, 10, 35},      // 150
    {1, 0, 93, 14474460, 0, P::kNone, 20, 1, 0, 1700, 8, 40},       // 151
    {1, 0, 93, 14474460, 0, P::kNone, 8, 0, 0, 1660, 7, 36},        // 152
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 690, 6, 37},                // 153
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 260, 5, 34},       // 154
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 160, 2, 36},       // 155
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 300, 4, 35},       // 156
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 370, 5, 40},       // 157
    {8, 0, 37, 65280, 3, P::kNone, 1, 0, 50, 3, 200, 0},            // 158
    {8, 0, 37, 65280, 3, P::kNone, 1, 1, 70, 7, 200, 0},            // 159
    {8, 0, 37, 65280, 3, P::kNone, 1, 1, 150, 12, 200, 0},          // 160
    {8, 0, 37, 32255, 3, P::kNone, 2, 1, 300, 35, 2, 15},           // 161
    {8, 0, 37, 65280, 3, P::kNone, 1, 1, 60, 40, 200, 0},           // 162
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 445, 5, 40},             // 163
    {8, 0, 37, 65280, 3, P::kNone, 1, 0, 90, 14, 200, 0},           // 164
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 270, 5, 31},             // 165
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 500, 200, 0},            // 166
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 300, 6, 30},             // 167
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 600, 6, 36},             // 168
    {4, 0, 33, 0, 4, P::kPotion, 8, 2, 50, 1400, 8, 38},            // 169
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 385, 2, 40},                // 170
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 465, 2, 40},                // 171
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 417, 3, 40},                // 172
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 60, 1, 30},                 // 173
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 700, 5, 30},                // 174
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 650, 5, 30},                // 175
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 700, 5, 30},                // 176
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 700, 5, 30},                // 177
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 160, 2, 28},                // 178
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1720, 9, 40},            // 179
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1630, 10, 40},           // 180
    {3, 0, 45, 65380, 2, P::kNone, 6, 0, 0, 1400, 200, 0},          // 181
    {0, 8, 124, 6579300, 0, P::kNone, 90, 0, 1200, 3366, 200, 0},   // 182
    {1, 0, 93, 14474460, 0, P::kNone, 10, 3, 0, 14, 1, 40},         // 183
    {8, 0, 37, 25780, 0, P::kNone, 1, 0, 140, 7, 1, 25},            // 184
    {1, 0, 93, 14474460, 0, P::kNone, 12, 1, 0, 35, 1, 25},         // 185
    {0, 1, 40, 16770750, 0, P::kNone, 32, 0, 900, 1780, 10, 40},    // 186
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 1075, 7, 35},            // 187
    {9, 11, 42, 7895160, 0, P::kNone, 10, 0, 1000, 7, 2, 40},       // 188
    {9, 11, 42, 255, 0, P::kNone, 10, 0, 1000, 50, 5, 40},          // 189
    {9, 12, 40, 8256255, 0, P::kNone, 30, 0, 1000, 80, 3, 40},      // 190
    {9, 11, 42, 16742520, 0, P::kNone, 8, 0, 1000, 26, 3, 40},      // 191
    {9, 9, 47, 51400, 0, P::kNone, 2, 1, 1000, 50, 6, 40},          // 192
    {9, 10, 47, 51400, 0, P::kNone, 2, 0, 1000, 60, 6, 40},         // 193
    {7, 0, 92, 0, 4, P::kWand, 6, 0, 0, 470, 4, 40},                // 194
    {5, 0, 63, 16777215, 4, P::kScroll, 3, 0, 0, 190, 4, 31},       // 195
    {1, 0, 93, 18060, 0, P::kNone, 6, 3, 0, 120, 3, 40},            // 196
    {1, 0, 93, 18060, 0, P::kNone, 6, 3, 0, 640, 6, 40},            // 197
    {1, 0, 93, 18060, 0, P::kNone, 20, 3, 0, 460, 5, 40},           // 198
    {3, 0, 169, 0, 2, P::kAmulet, 5, 0, 0, 2600, 11, 40},           // 199
    {0, 6, 40, 7905480, 0, P::kNone, 100, 1, 1500, 2400, 11, 40},   // 200
    {0, 7, 40, 10526880, 0, P::kNone, 120, 1, 1500, 750, 7, 40},    // 201
    {3, 0, 169, 255, 2, P::kNone, 5, 0, 0, 3700, 200, 0},           // 202
    {0, 1, 40, 255, 0, P::kNone, 32, 0, 900, 3400, 200, 0},         // 203
    {3, 0, 61, 0, 2, P::kRing, 2, 2, 0, 840, 7, 40},                // 204
    {1, 0, 93, 14474460, 0, P::kNone, 3, 0, 0, 3000, 200, 0},       // 205
    {3, 0, 169, 16742400, 2, P::kNone, 5, 0, 0, 3700, 200, 0},      // 206
    {0, 7, 40, 20680, 0, P::kNone, 15, 1, 1000, 3600, 200, 0},      // 207
};

constexpr uint32_t kScrollColour = 16777215;
constexpr int kPoolSize = 50;

int PoolTextBase(AppearancePool pool) {
  switch (pool) {
    case AppearancePool::kPotion:
      return text_ids::kPotionBase;
    case AppearancePool::kAmulet:
      return text_ids::kAmuletBase;
    case AppearancePool::kRing:
      return text_ids::kRingBase;
    case AppearancePool::kWand:
      return text_ids::kWandBase;
    default:
      return 0;
  }
}

ItemType FromRow(const TypeRow& row) {
  ItemType t;
  t.category = row.category;
  t.skill_class = row.skill_class;
  t.glyph = row.glyph;
  t.colour = row.colour;
  t.knowledge = row.knowledge;
  t.weight = row.weight;
  t.gender = row.gender;
  t.speed = row.speed;
  t.price = row.price;
  t.level = row.level;
  t.frequency = row.frequency;
  t.pool = row.pool;
  return t;
}

// The uniform pick that removes what it deals: entry 1 + Int(r * n), drawn in single precision.
int DealFromPool(std::vector<int>& pool, Random& random) {
  const auto n = static_cast<float>(pool.size());
  auto index = static_cast<size_t>(std::floor(random.Next() * n));
  if (index >= pool.size()) index = pool.size() - 1;
  const int dealt = pool[index];
  if (pool.size() >= 2) pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(index));
  return dealt;
}

std::string RecordFault(const char* file, int record, const std::string& what) {
  return std::string("Файл ") + file + " повреждён: запись " + std::to_string(record) + ": " + what;
}

}  // namespace

const ItemType& BaseItemType(int type) {
  static const std::array<ItemType, kItemTypeCount + 1> kTable = [] {
    std::array<ItemType, kItemTypeCount + 1> table{};
    for (int i = 0; i < kItemTypeCount; ++i) table[i + 1] = FromRow(kTypeRows[i]);
    return table;
  }();
  if (type < 1 || type > kItemTypeCount) return kTable[0];
  return kTable[type];
}

ItemRecordContext RecordContextOf(int type) {
  const ItemType& t = BaseItemType(type);
  return {t.category, t.skill_class, t.gender, t.pool};
}

std::string DecodeItemsFile(std::span<const uint8_t> bytes, std::vector<ItemDescription>* out) {
  const size_t expected = kItemRecordSize * kItemTypeCount;
  if (bytes.size() != expected) {
    return std::string("Файл ") + kItemsFileName + " повреждён: его длина " +
           std::to_string(bytes.size()) + " байт, а должна быть " + std::to_string(expected) +
           " (207 записей по 337 байт)";
  }
  std::vector<ItemDescription> records(kItemTypeCount);
  for (int type = 1; type <= kItemTypeCount; ++type) {
    ItemDescription& d = records[type - 1];
    DecodeItemDescription(bytes.subspan((type - 1) * kItemRecordSize, kItemRecordSize), &d);
    std::vector<std::string> errors = ValidateItemRecord(d, RecordContextOf(type));
    const std::vector<std::string> names = CheckItemNames(d, type);
    errors.insert(errors.end(), names.begin(), names.end());
    if (!errors.empty()) return RecordFault(kItemsFileName, type, errors.front());
  }
  *out = std::move(records);
  return {};
}

std::string DecodeAffixesFile(std::span<const uint8_t> bytes, std::vector<AffixRecord>* out) {
  const size_t expected = kAffixRecordSize * kAffixRecordCount;
  if (bytes.size() != expected) {
    return std::string("Файл ") + kAffixesFileName + " повреждён: его длина " +
           std::to_string(bytes.size()) + " байт, а должна быть " + std::to_string(expected) +
           " (400 записей по 97 байт)";
  }
  std::vector<AffixRecord> records(kAffixRecordCount);
  for (int list = 0; list < 2; ++list) {
    bool ended = false;
    for (int i = 1; i <= kAffixListLength; ++i) {
      const int number = list * kAffixListLength + i;
      AffixRecord& a = records[number - 1];
      DecodeAffixRecord(bytes.subspan((number - 1) * kAffixRecordSize, kAffixRecordSize), &a);
      if (ended) continue;  // records past the end of a list are never read
      const std::vector<std::string> errors = ValidateAffixRecord(a);
      if (!errors.empty()) return RecordFault(kAffixesFileName, number, errors.front());
      ended = a.EndsList();
    }
    if (!ended) {
      return std::string("Файл ") + kAffixesFileName + " повреждён: список " +
             (list == 0 ? "приставок" : "окончаний") + " не завершён записью уровня 0";
    }
  }
  *out = std::move(records);
  return {};
}

std::string LoadItemFiles(Game& game) {
  game.item_data.descriptions.clear();
  game.item_data.affixes.clear();
  std::vector<ItemDescription> descriptions;
  std::vector<AffixRecord> affixes;
  std::string error;
  const auto items = ReadWholeFile(game.DataFolder() / kItemsFileName, 1u << 20, &error);
  if (!items) return error;
  error = DecodeItemsFile(*items, &descriptions);
  if (!error.empty()) return error;
  const auto affix_bytes = ReadWholeFile(game.DataFolder() / kAffixesFileName, 1u << 20, &error);
  if (!affix_bytes) return error;
  error = DecodeAffixesFile(*affix_bytes, &affixes);
  if (!error.empty()) return error;
  game.item_data.descriptions = std::move(descriptions);
  game.item_data.affixes = std::move(affixes);
  return {};
}

void InitItemTable(Game& game) {
  ItemData& data = game.item_data;
  std::array<std::vector<int>, 6> pools;
  for (auto& pool : pools) {
    for (int k = 1; k <= kPoolSize; ++k) pool.push_back(k);
  }
  for (int type = 1; type <= kItemTypeCount; ++type) {
    ItemType t = BaseItemType(type);
    if (t.pool != AppearancePool::kNone) {
      t.appearance =
          static_cast<uint8_t>(DealFromPool(pools[static_cast<size_t>(t.pool)], game.random));
      if (t.pool == AppearancePool::kScroll) {
        t.colour = static_cast<int32_t>(kScrollColour);
      } else {
        t.colour = FetchNumber(text_ids::AppearanceColour(PoolTextBase(t.pool), t.appearance));
      }
    }
    data.types[type] = t;
  }
  data.current = ItemDescription{};
  data.current_type = 0;
}

void LoadItemDescription(Game& game, int type) {
  ItemData& data = game.item_data;
  data.current_type = type;
  if (type < 1 || type > kItemTypeCount ||
      data.descriptions.size() != static_cast<size_t>(kItemTypeCount)) {
    data.current = ItemDescription{};
    return;
  }
  data.current = data.descriptions[type - 1];
}

}  // namespace zaldrun
