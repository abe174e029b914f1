#pragma once

#include <nettle/sha2.h>

#include <string>
#include <string_view>

namespace engine {

// A SHA-256 digest fed in pieces. Nettle's, which uses the processor's SHA instructions where
// it has them: a reload hashes its whole data file, and Qt's own SHA-256 took a sixth of a
// large reload; OpenSSL's, as fast, added 2 MiB to the program's memory.
class Sha256
{
public:
    Sha256() { sha256_init(&m_context); }

    void add(std::string_view bytes)
    {
        sha256_update(&m_context, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
    }

    // The digest of everything added, as 64 lower-case hex digits; the digest starts afresh.
    std::string hex();

private:
    sha256_ctx m_context;
};

} // namespace engine
