// The 80-byte terrain row of Places.dat, pinned byte by byte.
#include "state/places_record.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zaldrun {
namespace {

PlaceRecord RecordOf(const std::string& letters) {
  PlaceRecord record;
  for (size_t x = 0; x < record.letters.size(); ++x)
    record.letters[x] = letters[x % letters.size()];
  return record;
}

TEST(PlacesRecord, EncodesOneLetterPerByteFromTheLeftEdge) {
  // x 0..26 run through every letter, then "Q" (plain) up to the right edge.
  std::string row = "ABCDEFGHIJKLMNOPQRSTUVWXYZ[";
  row.resize(80, 'Q');
  RecordWriter out;
  Encode(RecordOf(row), out);
  const std::vector<uint8_t>& bytes = out.bytes();
  ASSERT_EQ(bytes.size(), 80u);
  EXPECT_EQ(bytes[0], 0x41);   // A
  EXPECT_EQ(bytes[2], 0x43);   // C
  EXPECT_EQ(bytes[13], 0x4E);  // N
  EXPECT_EQ(bytes[26], 0x5B);  // [
  EXPECT_EQ(bytes[27], 0x51);  // Q
  EXPECT_EQ(bytes[79], 0x51);

  RecordReader in(bytes);
  PlaceRecord back;
  ASSERT_TRUE(Decode(in, &back));
  EXPECT_EQ(std::string(back.letters.begin(), back.letters.end()), row);
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(PlacesRecord, DecodingAShortRecordFails) {
  const std::vector<uint8_t> bytes(79, 'A');
  RecordReader in(bytes);
  PlaceRecord record;
  EXPECT_FALSE(Decode(in, &record));
  EXPECT_TRUE(in.failed());
}

TEST(PlacesRecord, ValidationNamesEveryColumnThatIsNoTerrainLetter) {
  PlaceRecord record = RecordOf("C");
  EXPECT_TRUE(ValidatePlaceRecord(record).empty());
  record.letters[0] = '@';   // just below "A"
  record.letters[5] = '\\';  // just above "["
  record.letters[79] = '\0';
  const std::vector<std::string> errors = ValidatePlaceRecord(record);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_NE(errors[0].find("столбец 0:"), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("0x40"), std::string::npos) << errors[0];
  EXPECT_NE(errors[1].find("столбец 5:"), std::string::npos) << errors[1];
  EXPECT_NE(errors[2].find("столбец 79:"), std::string::npos) << errors[2];
}

TEST(PlacesRecord, MapCountComesFromTheFileSize) {
  EXPECT_EQ(PlaceMapCount(0), 0);
  EXPECT_EQ(PlaceMapCount(3200), 1);
  EXPECT_EQ(PlaceMapCount(38400), 12);
  EXPECT_EQ(PlaceMapCount(38399), std::nullopt);
  EXPECT_EQ(PlaceMapCount(80), std::nullopt);  // one row is not a map
}

}  // namespace
}  // namespace zaldrun
