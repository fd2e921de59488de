#include "state/affix_record.hpp"

#include <cmath>

#include "state/byte_record.hpp"
#include "state/item_record.hpp"

namespace zaldrun {

namespace {

constexpr int kMaxAffixLevel = 50;
constexpr int kAddendLimit = 50;
constexpr int kPriceAddendLimit = 10000;
constexpr int kExtraDamageLimit = 100;
constexpr float kMultiplierLimit = 10.0f;

std::string Describe(const std::string& field, const std::string& message) {
  return field + ": " + message;
}

void CheckRange(const std::string& field, int value, int low, int high,
                std::vector<std::string>& errors) {
  if (value < low || value > high) {
    errors.push_back(Describe(field, std::to_string(value) + " is outside " + std::to_string(low) +
                                         ".." + std::to_string(high)));
  }
}

void CheckMultiplier(const std::string& field, float value, float low,
                     std::vector<std::string>& errors) {
  if (!std::isfinite(value) || value < low || value > kMultiplierLimit) {
    errors.push_back(
        Describe(field, "must lie within " + std::to_string(low).substr(0, 4) + "..10"));
  }
}

bool IsSingleKnownBit(int32_t flag) {
  return flag > 0 && (flag & (flag - 1)) == 0 && (flag & KnownKindBits()) == flag;
}

}  // namespace

std::vector<uint8_t> EncodeAffixRecord(const AffixRecord& a) {
  RecordWriter w;
  w.U8(a.level);
  w.U8(a.frequency);
  w.I32(a.allowed_mask);
  w.I32(a.unused);
  w.F32(a.price_multiplier);
  w.I16(a.price_addend);
  for (int16_t v : a.attribute_addends) w.I16(v);
  for (int16_t v : a.resistance_addends) w.I16(v);
  w.F32(a.damage_multiplier);
  w.I16(a.damage_addend);
  w.F32(a.attribute_multiplier);
  w.I16(a.extra_damage_min);
  w.I16(a.extra_damage_max);
  w.U8(a.extra_damage_kind);
  w.I16(a.luck_addend);
  w.I16(a.health_addend);
  w.I16(a.mana_addend);
  for (int32_t v : a.kind_flags) w.I32(v);
  for (uint8_t v : a.special_codes) w.U8(v);
  for (float v : a.special_strengths) w.F32(v);
  for (int16_t v : a.special_values) w.I16(v);
  return w.Take();
}

bool DecodeAffixRecord(std::span<const uint8_t> bytes, AffixRecord* a) {
  if (bytes.size() != kAffixRecordSize) return false;
  RecordReader r(bytes);
  a->level = r.U8();
  a->frequency = r.U8();
  a->allowed_mask = r.I32();
  a->unused = r.I32();
  a->price_multiplier = r.F32();
  a->price_addend = r.I16();
  for (int16_t& v : a->attribute_addends) v = r.I16();
  for (int16_t& v : a->resistance_addends) v = r.I16();
  a->damage_multiplier = r.F32();
  a->damage_addend = r.I16();
  a->attribute_multiplier = r.F32();
  a->extra_damage_min = r.I16();
  a->extra_damage_max = r.I16();
  a->extra_damage_kind = r.U8();
  a->luck_addend = r.I16();
  a->health_addend = r.I16();
  a->mana_addend = r.I16();
  for (int32_t& v : a->kind_flags) v = r.I32();
  for (uint8_t& v : a->special_codes) v = r.U8();
  for (float& v : a->special_strengths) v = r.F32();
  for (int16_t& v : a->special_values) v = r.I16();
  return !r.failed() && r.remaining() == 0;
}

AffixRecord EndOfListAffix() {
  AffixRecord a;
  a.price_multiplier = 0.0f;
  a.damage_multiplier = 0.0f;
  a.attribute_multiplier = 0.0f;
  return a;
}

std::vector<std::string> ValidateAffixRecord(const AffixRecord& a) {
  std::vector<std::string> errors;
  if (a.EndsList()) {
    if (!(a == EndOfListAffix())) {
      errors.push_back(Describe("level", "a record of level 0 ends the list and must be empty"));
    }
    return errors;
  }
  CheckRange("level", a.level, 1, kMaxAffixLevel, errors);
  CheckRange("frequency", a.frequency, 1, 255, errors);
  if (a.allowed_mask <= 0 || (a.allowed_mask & ~kAffixMaskBits) != 0) {
    errors.push_back(Describe(
        "applies_to", "mask " + std::to_string(a.allowed_mask) + " must use bits of 1..4096 only"));
  }
  if (a.unused != 0) errors.push_back(Describe("unused", "must be 0"));
  CheckMultiplier("price_multiplier", a.price_multiplier, 0.0f, errors);
  CheckRange("price_addend", a.price_addend, -kPriceAddendLimit, kPriceAddendLimit, errors);
  for (int i = 0; i < 10; ++i) {
    CheckRange("attributes " + std::string(ItemWordOf(ItemAttributeWords(), i + 1)),
               a.attribute_addends[i], -kAddendLimit, kAddendLimit, errors);
  }
  for (int i = 0; i < 9; ++i) {
    CheckRange("protection " + std::string(ItemWordOf(ItemProtectionWords(), i)),
               a.resistance_addends[i], -kAddendLimit, kAddendLimit, errors);
  }
  CheckMultiplier("damage_multiplier", a.damage_multiplier, 0.1f, errors);
  CheckRange("damage_addend", a.damage_addend, -kAddendLimit, kAddendLimit, errors);
  CheckMultiplier("attribute_multiplier", a.attribute_multiplier, 0.1f, errors);
  if (a.extra_damage_kind == 0) {
    if (a.extra_damage_min != 0 || a.extra_damage_max != 0) {
      errors.push_back(Describe("extra_damage", "damage without a kind"));
    }
  } else {
    CheckRange("extra_damage kind", a.extra_damage_kind, 1, 10, errors);
    CheckRange("extra_damage min", a.extra_damage_min, 0, kExtraDamageLimit, errors);
    CheckRange("extra_damage max", a.extra_damage_max, 0, kExtraDamageLimit, errors);
    if (a.extra_damage_min > a.extra_damage_max) {
      errors.push_back(Describe("extra_damage", "min is above max"));
    }
  }
  CheckRange("luck", a.luck_addend, -kAddendLimit, kAddendLimit, errors);
  CheckRange("health_bonus", a.health_addend, -2 * kAddendLimit, 2 * kAddendLimit, errors);
  CheckRange("mana_bonus", a.mana_addend, -2 * kAddendLimit, 2 * kAddendLimit, errors);
  for (int32_t flag : a.kind_flags) {
    if (flag != 0 && !IsSingleKnownBit(flag)) {
      errors.push_back(Describe("properties", std::to_string(flag) + " is not one known bit"));
    }
  }
  for (int i = 0; i < 2; ++i) {
    const float strength = a.special_strengths[i];
    if (strength == 0.0f && a.special_values[i] == 0) {
      if (a.special_codes[i] != 0)
        errors.push_back(Describe("slaying", "empty entry with a class"));
      continue;
    }
    CheckRange("slaying against", a.special_codes[i], 0, 16, errors);
    if (!std::isfinite(strength) || strength < 0.0f || strength > kMultiplierLimit) {
      errors.push_back(Describe("slaying multiplier", "must lie within 0..10"));
    }
    CheckRange("slaying bonus", a.special_values[i], -kAddendLimit, kAddendLimit, errors);
  }
  return errors;
}

}  // namespace zaldrun
