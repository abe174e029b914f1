#include "engine/PasswordHash.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// SHA-256("abc"), the published FIPS 180-2 test vector.
const std::string kAbcDigest("\xba\x78\x16\xbf\x8f\x01\xcf\xea\x41\x41\x40\xde\x5d\xae\x22\x23"
                             "\xb0\x03\x61\xa3\x96\x17\x7a\x9c\xb4\x10\xff\x61\xf2\x00\x15\xad",
                             32);

// A comparison that looked at only some bytes would let about one wrong password in 256 open
// the database: every single byte must count, whichever bit of it differs.
TEST(PasswordHash, HashesDifferingInAnyOneByteDoNotMatch)
{
    ASSERT_EQ(kAbcDigest.size(), 32u);
    EXPECT_TRUE(engine::sameHash(kAbcDigest, kAbcDigest));
    for (std::size_t position = 0; position < kAbcDigest.size(); ++position) {
        for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
            std::string other = kAbcDigest;
            other[position] = static_cast<char>(other[position] ^ flip);
            EXPECT_FALSE(engine::sameHash(kAbcDigest, other))
                << "byte " << position << " flipped by " << int(flip);
            EXPECT_FALSE(engine::sameHash(other, kAbcDigest)) << "byte " << position;
        }
    }
    EXPECT_FALSE(engine::sameHash(kAbcDigest, kAbcDigest.substr(0, 31)));
    EXPECT_FALSE(engine::sameHash(kAbcDigest, kAbcDigest + '\0'));
    EXPECT_FALSE(engine::sameHash(kAbcDigest, ""));
}

// One round is SHA-256 of the salt followed by the password, so the published vector pins it;
// a stored hash altered in any byte refuses the right password.
TEST(PasswordHash, MatchesOnlyThePasswordTheStoredHashWasMadeFrom)
{
    EXPECT_EQ(engine::hashPassword("bc", "a", 1), kAbcDigest);

    const engine::PasswordHash stored{"a", 1, kAbcDigest};
    EXPECT_TRUE(stored.matches("bc"));
    EXPECT_FALSE(stored.matches("bC"));
    EXPECT_FALSE(stored.matches(""));
    for (std::size_t position = 0; position < kAbcDigest.size(); ++position) {
        engine::PasswordHash altered = stored;
        altered.hash[position] = static_cast<char>(altered.hash[position] ^ 0x01);
        EXPECT_FALSE(altered.matches("bc")) << "byte " << position;
    }

    const engine::PasswordHash made = engine::PasswordHash::make("rovak");
    EXPECT_TRUE(made.matches("rovak"));
    EXPECT_FALSE(made.matches("rovaK"));
}

} // namespace
