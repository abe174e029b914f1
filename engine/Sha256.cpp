#include "engine/Sha256.h"

#include <openssl/evp.h>

#include <array>
#include <new>

namespace engine {

struct Sha256::Context
{
    struct Free
    {
        void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
    };
    std::unique_ptr<EVP_MD_CTX, Free> context{EVP_MD_CTX_new()};

    void start()
    {
        if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
            throw std::bad_alloc();
    }
};

Sha256::Sha256() : m_context(std::make_unique<Context>())
{
    m_context->start();
}

Sha256::~Sha256() = default;
Sha256::Sha256(Sha256&&) noexcept = default;
Sha256& Sha256::operator=(Sha256&&) noexcept = default;

void Sha256::add(std::string_view bytes)
{
    EVP_DigestUpdate(m_context->context.get(), bytes.data(), bytes.size());
}

std::string Sha256::hex()
{
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int size = 0;
    EVP_DigestFinal_ex(m_context->context.get(), digest.data(), &size);
    m_context->start();
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < size; ++i)
        text += {kDigits[digest[i] >> 4], kDigits[digest[i] & 15]};
    return text;
}

} // namespace engine
