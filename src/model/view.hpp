// The view: what the game shows and the windows draw from — the message line, the status labels,
// the map field, the number entry box and the answer list of conversations.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_model.hpp"
#include "model/labels.hpp"

namespace zaldrun {

// The number/answer entry box and the answer list of conversations.
struct EntryBox {
  bool visible = false;
  std::string text;
  std::string preset;  // what the next entry starts with ("1" for a count); used once
};
struct AnswerList {
  bool visible = false;
  int16_t tag = 0;  // 0: a choice hides the list again
  std::vector<std::string> lines;
  int selected = 0;
  // Where the screen last drew the list, so that a click can choose an answer: its left column,
  // and the first row of each line followed by the row after the last (a long answer wraps).
  int left = 0;
  std::vector<int> rows;
};

// The messages of this session as they went by, oldest first, each in its colour (packed
// red + 256 * green + 65536 * blue); the oldest go once more than kKept have come.
struct MessageHistory {
  struct Entry {
    std::string text;
    int32_t colour = 0;
  };
  static constexpr size_t kKept = 2000;
  std::deque<Entry> entries;
  // Every message ever added, the forgotten ones included: a count that only grows.
  uint64_t total = 0;

  void Add(std::string text, int32_t colour) {
    entries.push_back(Entry{std::move(text), colour});
    if (entries.size() > kKept) entries.pop_front();
    ++total;
  }
};

struct View {
  std::string message_line;
  MessageHistory history;
  // The messages shown since the screen last looked (it reads them aloud); the oldest go first
  // should nobody look.
  std::vector<std::string> unspoken;
  void NoteShown(std::string_view text) {
    if (unspoken.size() >= kMostUnspoken) unspoken.erase(unspoken.begin());
    unspoken.emplace_back(text);
  }
  static constexpr size_t kMostUnspoken = 32;

  StatusLabels labels;
  FieldModel field;
  EntryBox number_input;
  AnswerList chat;
  // The notebook's page (0 received, 1 completed, 2 recipes), kept between openings.
  uint8_t notebook_tab = 0;
};

}  // namespace zaldrun
