#include "engine/PasswordHash.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace engine {

namespace {

constexpr std::size_t SaltSize = 16;

} // namespace

std::string hashPassword(std::string_view password, std::string_view salt, int iterations)
{
    QCryptographicHash sha(QCryptographicHash::Sha256);
    QByteArray digest; // the first round hashes the salt and password alone
    for (int i = 0; i < std::max(iterations, 1); ++i) {
        sha.reset();
        sha.addData(digest);
        sha.addData(QByteArrayView(salt));
        sha.addData(QByteArrayView(password));
        digest = sha.result();
    }
    return digest.toStdString();
}

PasswordHash PasswordHash::make(std::string_view password)
{
    std::array<quint32, SaltSize / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
    std::string salt(reinterpret_cast<const char*>(words.data()), SaltSize);
    std::string hash = hashPassword(password, salt, Iterations);
    return {std::move(salt), Iterations, std::move(hash)};
}

bool PasswordHash::matches(std::string_view password) const
{
    return sameHash(hashPassword(password, salt, iterations), hash);
}

bool sameHash(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace engine
