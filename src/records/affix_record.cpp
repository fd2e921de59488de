#include "records/affix_record.hpp"

#include <cmath>

#include "base/byte_record.hpp"
#include "records/item_record.hpp"

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

// The record's byte layout, for encoding and decoding alike.
template <typename Io, typename Record>
void AffixFields(Io& io, Record& a) {
  Field(io, a.level);
  Field(io, a.frequency);
  Field(io, a.allowed_mask);
  Field(io, a.unused);
  Field(io, a.price_multiplier);
  Field(io, a.price_addend);
  Field(io, a.attribute_addends);
  Field(io, a.resistance_addends);
  Field(io, a.damage_multiplier);
  Field(io, a.damage_addend);
  Field(io, a.attribute_multiplier);
  Field(io, a.extra_damage_min);
  Field(io, a.extra_damage_max);
  Field(io, a.extra_damage_kind);
  Field(io, a.luck_addend);
  Field(io, a.health_addend);
  Field(io, a.mana_addend);
  Field(io, a.kind_flags);
  Field(io, a.special_codes);
  Field(io, a.special_strengths);
  Field(io, a.special_values);
}

}  // namespace

std::vector<uint8_t> EncodeAffixRecord(const AffixRecord& a) {
  RecordWriter w;
  AffixFields(w, a);
  return w.Take();
}

bool DecodeAffixRecord(std::span<const uint8_t> bytes, AffixRecord* a) {
  if (bytes.size() != kAffixRecordSize) return false;
  RecordReader r(bytes);
  AffixFields(r, *a);
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
    CheckRange("attributes " + std::string(WordOf(AttributeModifierWords(), i + 1)),
               a.attribute_addends[i], -kAddendLimit, kAddendLimit, errors);
  }
  for (int i = 0; i < 9; ++i) {
    CheckRange("protection " + std::string(WordOf(ProtectionWords(), i)), a.resistance_addends[i],
               -kAddendLimit, kAddendLimit, errors);
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
