#include "engine/Sha256.h"

namespace engine {

std::string Sha256::hex()
{
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&m_context, sizeof digest, digest); // also starts afresh
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t byte : digest)
        text += {kDigits[byte >> 4], kDigits[byte & 15]};
    return text;
}

} // namespace engine
