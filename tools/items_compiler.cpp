// Items.dat from data/items.toml: one [[item]] per item type 1..207, checked against the type
// table, the record checks and the item operations registry; and a record dumped back as TOML.
#include <limits>
#include <map>
#include <sstream>

#include "compilers.hpp"
#include "records/item_names_check.hpp"
#include "records/item_type_table.hpp"
#include "records/materials.hpp"
#include "source_words.hpp"
#include "records/item_record.hpp"

namespace zaldrun::datac {

namespace {

constexpr char kSourceName[] = "items.toml";
constexpr int kFigureLimit = 100;

const std::vector<std::string> kKnownFields = {
    "number",       "name_one",         "name_many",    "name_few", "unknown_one",  "unknown_many",
    "unknown_few",  "blessing_weights", "materials",    "handler",  "slot",         "damage",
    "extra_damage", "first_bonus",      "second_bonus", "charges",  "aiming",       "used_up",
    "needs_target", "attributes",       "protection",   "luck",     "health_bonus", "mana_bonus",
    "properties",   "slaying",          "stack",        "survival"};

std::string EntryLabel(const toml::table& entry) {
  std::string label = "[[item]]";
  if (const auto number = entry["number"].value<int64_t>()) {
    label += " " + std::to_string(*number);
  }
  if (const auto name = entry["name_one"].value<std::string>()) label += " (" + *name + ")";
  return label;
}

std::optional<bool> ReadBool(EntryReader& r, const char* field) {
  const toml::node* node = r.table().get(field);
  if (node == nullptr) return std::nullopt;
  if (!node->is_boolean()) {
    r.Error(field, "must be true or false");
    return std::nullopt;
  }
  return node->value<bool>();
}

void ReadNames(EntryReader& r, ItemDescription& d) {
  d.name_one = r.Text("name_one", kItemNameWidth);
  d.name_many = r.Text("name_many", kItemNameWidth);
  d.name_few = r.Text("name_few", kItemNameWidth);
  d.unknown_one = r.Text("unknown_one", kItemNameWidth);
  d.unknown_many = r.Text("unknown_many", kItemNameWidth);
  d.unknown_few = r.Text("unknown_few", kItemNameWidth);
}

void ReadBlessings(EntryReader& r, ItemDescription& d) {
  const toml::node* node = r.table().get("blessing_weights");
  const toml::table* table = node ? node->as_table() : nullptr;
  if (table == nullptr) {
    r.Error("blessing_weights", "must be { cursed = .., uncursed = .., blessed = .. }");
    return;
  }
  const char* keys[] = {"cursed", "uncursed", "blessed"};
  for (int i = 0; i < 3; ++i) {
    const auto value = (*table)[keys[i]].value<int64_t>();
    if (!value || *value < 0 || *value > 255) {
      r.Error("blessing_weights", std::string(keys[i]) + " must be a whole number 0..255");
      continue;
    }
    d.blessing_weights[i] = static_cast<uint8_t>(*value);
  }
  if (table->size() != 3) r.Error("blessing_weights", "takes exactly cursed, uncursed, blessed");
}

void ReadMaterials(EntryReader& r, ItemDescription& d) {
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  const toml::node* node = r.table().get("materials");
  const toml::table* table = node ? node->as_table() : nullptr;
  if (table == nullptr) {
    r.Error("materials", "must be a table of material = weight");
    return;
  }
  std::map<int, int64_t> chosen;  // by material number, so the order is the table's
  for (const auto& [key, value] : *table) {
    const std::string word(key.str());
    const int material = MaterialByWord(word);
    const auto weight = value.value<int64_t>();
    if (material == 0) {
      r.Error("materials", "\"" + word + "\" is not a material");
    } else if (!value.is_integer() || !weight || *weight < 0 || *weight > 255) {
      r.Error("materials", word + " must weigh a whole number 0..255");
    } else {
      chosen[material] = *weight;
    }
  }
  if (chosen.size() > kMaterialChoiceCount) {
    r.Error("materials", "at most 10 materials");
    return;
  }
  size_t i = 0;
  for (const auto& [material, weight] : chosen) {
    d.material_choices[i] = static_cast<uint8_t>(material);
    d.material_weights[i] = static_cast<uint8_t>(weight);
    ++i;
  }
}

void ReadDamageFields(EntryReader& r, ItemDescription& d) {
  const auto put = [&d](size_t i, const std::optional<DamageEntry>& damage) {
    if (!damage) return;
    d.damage_min[i] = damage->min;
    d.damage_max[i] = damage->max;
    d.damage_kind[i] = damage->kind;
  };
  if (const toml::node* node = r.table().get("damage")) {
    put(0, ReadDamage(r, "damage", *node, 250));
  }
  const char* extra_error = "must be a list of at most 3 { min, max, kind }";
  if (const toml::array* list = ReadList(r, "extra_damage", 3, extra_error)) {
    for (size_t i = 0; i < list->size(); ++i) {
      put(i + 1, ReadDamage(r, "extra_damage", *list->get(i), 250));
    }
  }
}

void ReadSlayingList(EntryReader& r, ItemDescription& d) {
  const char* list_error = "must be a list of at most 4 { against, multiplier, bonus }";
  const toml::array* list = ReadList(r, "slaying", 4, list_error);
  if (list == nullptr) return;
  for (size_t i = 0; i < list->size(); ++i) {
    const auto entry = ReadSlaying(r, *list->get(i));
    if (!entry) continue;
    if (entry->multiplier < 0 || entry->multiplier > 10 || entry->bonus < -kFigureLimit ||
        entry->bonus > kFigureLimit) {
      r.Error("slaying", "multiplier must lie within 0..10 and bonus within -100..100");
      continue;
    }
    if (entry->multiplier == 0 && entry->bonus == 0) {
      r.Error("slaying", "an entry must have a multiplier or a bonus");
      continue;
    }
    d.special_codes[i] = static_cast<uint8_t>(entry->against);
    d.special_strengths[i] = static_cast<float>(entry->multiplier);
    d.special_values[i] = static_cast<int16_t>(entry->bonus);
  }
}

void ReadProperties(EntryReader& r, ItemDescription& d) {
  const toml::array* list =
      ReadList(r, "properties", std::numeric_limits<size_t>::max(), "must be a list of words");
  if (list == nullptr) return;
  for (const toml::node& element : *list) {
    const auto word = element.value<std::string>();
    if (!word) {
      r.Error("properties", "must be a list of words");
    } else if (const auto bit = ReadWord(r, "properties", ItemPropertyWords(), *word)) {
      d.kind |= *bit;
    }
  }
}

void ReadKindSpecific(EntryReader& r, ItemDescription& d, int category) {
  const bool wand = category == item_category::kWand;
  const bool scroll = category == item_category::kScroll || category == item_category::kBook;
  if (!wand && (r.Has("charges") || r.Has("aiming"))) {
    r.Error(r.Has("charges") ? "charges" : "aiming", "only wands have it");
  }
  if (!scroll && (r.Has("used_up") || r.Has("needs_target"))) {
    r.Error(r.Has("used_up") ? "used_up" : "needs_target", "only scrolls have it");
  }
  if (wand) {
    if (r.Has("first_bonus") || r.Has("second_bonus")) {
      r.Error("first_bonus", "wands have charges and aiming instead");
    }
    if (const auto charges = ReadRange(r, "charges", 0, 100)) {
      d.first_bonus_low = charges->first;
      d.first_bonus_high = charges->second;
    } else if (!r.Has("charges")) {
      r.Error("charges", "missing");
    }
    const auto aiming = r.table()["aiming"].value<std::string>();
    if (!aiming) {
      r.Error("aiming", "missing");
    } else if (const auto mode = ReadWord(r, "aiming", WandAimingWords(), *aiming)) {
      d.second_bonus_low = static_cast<int16_t>(*mode);
    }
    return;
  }
  if (const auto first = ReadRange(r, "first_bonus", -kFigureLimit, kFigureLimit)) {
    d.first_bonus_low = first->first;
    d.first_bonus_high = first->second;
  }
  if (const auto second = ReadRange(r, "second_bonus", -kFigureLimit, kFigureLimit)) {
    d.second_bonus_low = second->first;
    d.second_bonus_high = second->second;
  }
  if (scroll) {
    if (ReadBool(r, "used_up").value_or(true) == false) d.attribute_modifiers[0] = 2;
    if (ReadBool(r, "needs_target").value_or(false)) d.attribute_modifiers[1] = 1;
  }
}

ItemDescription ReadItem(EntryReader& r, int type) {
  ItemDescription d;
  const int category = BaseItemType(type).category;
  ReadNames(r, d);
  ReadBlessings(r, d);
  ReadMaterials(r, d);
  if (const auto handler = r.OptionalText("handler", kHandlerNameWidth)) d.handler = *handler;
  if (const auto slot = r.table()["slot"].value<std::string>()) {
    if (const auto value = ReadWord(r, "slot", ItemSlotWords(), *slot)) {
      d.slot = static_cast<uint8_t>(*value);
    }
  } else if (r.Has("slot")) {
    r.Error("slot", "must be a word");
  }
  ReadDamageFields(r, d);
  ReadKindSpecific(r, d, category);
  if (category != item_category::kScroll && category != item_category::kBook) {
    for (const auto& [modifier, value] :
         ReadWordTable(r, "attributes", AttributeModifierWords(), -kFigureLimit, kFigureLimit)) {
      d.attribute_modifiers[modifier - 1] = static_cast<int16_t>(value);
    }
  } else if (r.Has("attributes")) {
    r.Error("attributes", "scrolls have no attribute modifiers");
  }
  for (const auto& [index, value] :
       ReadWordTable(r, "protection", ProtectionWords(), -kFigureLimit, kFigureLimit)) {
    d.resistances[index] = static_cast<int16_t>(value);
  }
  d.luck = static_cast<int16_t>(r.OptionalInt("luck", -kFigureLimit, kFigureLimit).value_or(0));
  d.health_bonus =
      static_cast<int16_t>(r.OptionalInt("health_bonus", -kFigureLimit, kFigureLimit).value_or(0));
  d.mana_bonus =
      static_cast<int16_t>(r.OptionalInt("mana_bonus", -kFigureLimit, kFigureLimit).value_or(0));
  ReadProperties(r, d);
  ReadSlayingList(r, d);
  if (const auto stack = ReadRange(r, "stack", 1, 10000)) {
    d.stack_min = stack->first;
    d.stack_max = stack->second;
  } else if (!r.Has("stack")) {
    r.Error("stack", "missing");
  }
  d.survival = static_cast<uint8_t>(r.OptionalInt("survival", 0, 100).value_or(0));
  return d;
}

// --- Dumping --------------------------------------------------------------------------------

std::string DumpDescription(const ItemDescription& d, int type) {
  const int category = BaseItemType(type).category;
  std::ostringstream out;
  out << "[[item]]\n";
  out << "number = " << type << "\n";
  out << "name_one = " << Quote(d.name_one) << "\n";
  out << "name_many = " << Quote(d.name_many) << "\n";
  out << "name_few = " << Quote(d.name_few) << "\n";
  out << "unknown_one = " << Quote(d.unknown_one) << "\n";
  out << "unknown_many = " << Quote(d.unknown_many) << "\n";
  out << "unknown_few = " << Quote(d.unknown_few) << "\n";
  out << "blessing_weights = { cursed = " << int{d.blessing_weights[0]}
      << ", uncursed = " << int{d.blessing_weights[1]}
      << ", blessed = " << int{d.blessing_weights[2]} << " }\n";
  out << "materials = {";
  for (int i = 0; i < d.MaterialCount(); ++i) {
    const MaterialType* material = FindMaterial(d.material_choices[i]);
    out << (i == 0 ? " " : ", ")
        << (material ? std::string(material->source_word)
                     : "material_" + std::to_string(d.material_choices[i]))
        << " = " << int{d.material_weights[i]};
  }
  out << " }\n";
  if (!d.handler.empty()) out << "handler = " << Quote(d.handler) << "\n";
  if (d.slot != 0) out << "slot = " << Quote(WordOf(ItemSlotWords(), d.slot)) << "\n";
  if (d.damage_kind[0] != 0 || d.damage_min[0] != 0 || d.damage_max[0] != 0) {
    out << "damage = " << DamageText(d.damage_min[0], d.damage_max[0], d.damage_kind[0]) << "\n";
  }
  std::string extra;
  for (int i = 1; i < 4; ++i) {
    if (d.damage_kind[i] == 0) continue;
    extra += (extra.empty() ? "[" : ", ") +
             DamageText(d.damage_min[i], d.damage_max[i], d.damage_kind[i]);
  }
  if (!extra.empty()) out << "extra_damage = " << extra << "]\n";
  if (category == item_category::kWand) {
    out << "charges = [" << d.first_bonus_low << ", " << d.first_bonus_high << "]\n";
    out << "aiming = " << Quote(WordOf(WandAimingWords(), d.second_bonus_low)) << "\n";
  } else {
    if (d.first_bonus_low != 0 || d.first_bonus_high != 0) {
      out << "first_bonus = [" << d.first_bonus_low << ", " << d.first_bonus_high << "]\n";
    }
    if (d.second_bonus_low != 0 || d.second_bonus_high != 0) {
      out << "second_bonus = [" << d.second_bonus_low << ", " << d.second_bonus_high << "]\n";
    }
  }
  if (category == item_category::kScroll || category == item_category::kBook) {
    out << "used_up = " << (d.attribute_modifiers[0] == 2 ? "false" : "true") << "\n";
    out << "needs_target = " << (d.attribute_modifiers[1] == 1 ? "true" : "false") << "\n";
  } else if (const std::string attributes =
                 WordTableText(AttributeModifierWords(), d.attribute_modifiers, 1);
             !attributes.empty()) {
    out << "attributes = " << attributes << "\n";
  }
  if (const std::string protection = WordTableText(ProtectionWords(), d.resistances, 0);
      !protection.empty()) {
    out << "protection = " << protection << "\n";
  }
  if (d.luck != 0) out << "luck = " << d.luck << "\n";
  if (d.health_bonus != 0) out << "health_bonus = " << d.health_bonus << "\n";
  if (d.mana_bonus != 0) out << "mana_bonus = " << d.mana_bonus << "\n";
  if (d.kind != 0) {
    std::string words;
    for (const DataWord& w : ItemPropertyWords()) {
      if ((d.kind & w.value) != 0) words += (words.empty() ? "" : ", ") + Quote(w.word);
    }
    out << "properties = [" << words << "]\n";
  }
  const std::string slaying = SlayingText(d.special_codes, d.special_strengths, d.special_values);
  if (!slaying.empty()) out << "slaying = " << slaying << "\n";
  out << "stack = [" << d.stack_min << ", " << d.stack_max << "]\n";
  if (d.survival != 0) out << "survival = " << static_cast<int>(d.survival) << "\n";
  return out.str();
}

}  // namespace

CompileResult CompileItems(const std::filesystem::path& data_dir) {
  SourceErrors errors(kSourceName);
  const auto document = ParseTomlFile(data_dir / kSourceName, errors);
  if (!document) return Failed(errors);
  const toml::array* entries = (*document)["item"].as_array();
  if (entries == nullptr) {
    errors.Add("", "item", "no [[item]] entries");
    return Failed(errors);
  }
  std::vector<std::optional<ItemDescription>> records(kItemTypeCount + 1);
  for (const toml::node& node : *entries) {
    const toml::table* entry = node.as_table();
    if (entry == nullptr) continue;
    EntryReader r(*entry, EntryLabel(*entry), errors);
    r.CheckNoUnknownFields(kKnownFields);
    const int type = static_cast<int>(r.Int("number", 1, kItemTypeCount));
    if (!entry->contains("number")) continue;
    if (records[type]) {
      r.Error("number", "type " + std::to_string(type) + " is described twice");
      continue;
    }
    ItemDescription d = ReadItem(r, type);
    for (const std::string& fault : ValidateItemRecord(d, RecordContextOf(type))) {
      errors.Add(r.entry(), "", fault);
    }
    for (const std::string& fault : CheckItemNames(d, type)) errors.Add(r.entry(), "", fault);
    records[type] = std::move(d);
  }
  for (int type = 1; type <= kItemTypeCount; ++type) {
    if (!records[type]) errors.Add("", "", "item type " + std::to_string(type) + " is missing");
  }
  return Finish(errors, std::span(records).subspan(1),
                [](const auto& d) { return EncodeItemDescription(*d); });
}

std::string DumpItem(std::span<const uint8_t> file, int number) {
  const auto bytes = RecordBytes(file, number, kItemTypeCount, kItemRecordSize);
  if (!bytes) return {};
  ItemDescription d;
  DecodeItemDescription(*bytes, &d);
  return DumpDescription(d, number);
}

}  // namespace zaldrun::datac
