#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace engine {

// A SHA-256 digest fed in pieces. OpenSSL's, which uses the processor's SHA instructions: a
// reload hashes its whole data file, and Qt's own SHA-256 took a sixth of a large reload.
class Sha256
{
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&&) noexcept;
    Sha256& operator=(Sha256&&) noexcept;

    void add(std::string_view bytes);
    // The digest of everything added, as 64 lower-case hex digits; the digest starts afresh.
    std::string hex();

private:
    struct Context;
    std::unique_ptr<Context> m_context;
};

} // namespace engine
