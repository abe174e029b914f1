#pragma once

#include <string>
#include <string_view>

namespace engine {

// A database password as the file stores it: never the password itself.
struct PasswordHash
{
    // What make asks for: enough to make guessing from a copied file slow, little enough that
    // opening stays instant. The open refuses a stored hash asking for more.
    static constexpr int Iterations = 20000;

    std::string salt;
    int iterations = 0;
    std::string hash;

    // A fresh random salt and the hash of password under it.
    static PasswordHash make(std::string_view password);

    // Whether password is the one this hash was made from; takes the same time for every wrong
    // password of a given length.
    bool matches(std::string_view password) const;
};

// The iterated salted SHA-256 of password (exposed for tests).
std::string hashPassword(std::string_view password, std::string_view salt, int iterations);

// Whether two hashes are equal, byte for byte; the time taken depends on their length only, so
// it tells nothing of where they differ.
bool sameHash(std::string_view a, std::string_view b);

} // namespace engine
