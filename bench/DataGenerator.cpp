#include "bench/DataGenerator.h"

#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

constexpr std::string_view kAlphanumerics = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Line index -> code index through i * a + c (mod space): a bijection when a is coprime to the
// space, so codes are unique without remembering the ones already given, and do not come out in
// an obviously sorted order. 1296 = 2^4 * 3^4 and 31,539,456 = 2^8 * 3^6 * 13^2.
constexpr std::int64_t kKemasanStep = 385; // 5 * 7 * 11
constexpr std::int64_t kKemasanOffset = 471;
constexpr std::int64_t kPortStep = 15485863; // a prime
constexpr std::int64_t kPortOffset = 9040217;

// Windows-1252 single bytes for letters the shipped port names use: é ü ã á í ó ú ñ ö ç è.
constexpr std::string_view kAccented = "\xE9\xFC\xE3\xE1\xED\xF3\xFA\xF1\xF6\xE7\xE8";

constexpr std::array<std::string_view, 18> kOnsets = {
    "B", "K", "L", "M", "N", "P", "R", "S", "T", "V", "D", "G", "H", "J", "Ch", "Sh", "Br", "Tr"};
constexpr std::array<std::string_view, 6> kVowels = {"a", "e", "i", "o", "u", "ai"};
constexpr std::array<std::string_view, 8> kCodas = {"", "", "n", "r", "s", "ng", "k", "l"};

constexpr std::array<std::string_view, 8> kPortPrefixes = {
    "Port of ", "Teluk ", "Puerto ", "Saint-", "San ", "Pelabuhan ", "Porto ", "Tanjung "};
constexpr std::array<std::string_view, 8> kPortSuffixes = {
    " Harbour", " Bay", " Terminal", " Anchorage", " Port", " Roads", " Island", " Pier"};
constexpr std::array<std::string_view, 10> kPackagingNouns = {
    "Drum", "Box", "Bag", "Crate", "Carton", "Can", "Bottle", "Sack", "Tank", "Basket"};
constexpr std::array<std::string_view, 10> kPackagingMaterials = {
    "steel",  "aluminium", "plywood", "fibre",   "plastic",
    "wooden", "paper",     "glass",   "textile", "flexible"};

// The generator is std::mt19937 with its raw output only: the standard fixes its sequence,
// while distributions differ between library implementations.
class Random
{
public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}
    // A value in [0, bound).
    std::uint32_t below(std::uint32_t bound) { return m_engine() % bound; }
    // True about percent times in a hundred.
    bool percent(std::uint32_t percent) { return below(100) < percent; }
    template <typename Array> std::string_view pick(const Array& items)
    {
        return items[below(static_cast<std::uint32_t>(items.size()))];
    }

private:
    std::mt19937 m_engine;
};

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class Output
{
public:
    explicit Output(const std::string& path) : m_file(std::fopen(path.c_str(), "wb"))
    {
        if (!m_file)
            throw std::runtime_error("cannot write " + path);
        m_path = path;
    }
    void line(const std::string& text)
    {
        if (std::fwrite(text.data(), 1, text.size(), m_file.get()) != text.size() ||
            std::fwrite("\r\n", 1, 2, m_file.get()) != 2)
            throw std::runtime_error("cannot write " + m_path);
    }
    void close()
    {
        if (std::fclose(m_file.release()) != 0)
            throw std::runtime_error("cannot write " + m_path);
    }

private:
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::string m_path;
};

// One made-up place name of two or three syllables, now and then with an accented letter.
std::string placeName(Random& random)
{
    std::string name;
    const std::uint32_t syllables = 2 + random.below(2);
    for (std::uint32_t i = 0; i < syllables; ++i) {
        const std::string_view onset = random.pick(kOnsets);
        name += i == 0 ? onset : std::string_view(onset).substr(0, 1);
        if (i > 0)
            name.back() = static_cast<char>(name.back() - 'A' + 'a');
        if (random.percent(6))
            name += kAccented[random.below(static_cast<std::uint32_t>(kAccented.size()))];
        else
            name += random.pick(kVowels);
        name += random.pick(kCodas);
    }
    return name;
}

std::string portDescription(Random& random)
{
    std::string text;
    if (random.percent(45))
        text += random.pick(kPortPrefixes);
    if (random.percent(8))
        text += random.percent(50) ? "d'" : "l'";
    text += placeName(random);
    if (random.percent(4))
        text += "'s";
    if (random.percent(40))
        text += random.pick(kPortSuffixes);
    // Now and then a long official name: these only fit once the column is memo.
    if (random.percent(1)) {
        text += " and ";
        while (text.size() <= 60)
            text += " " + placeName(random) + std::string(random.pick(kPortSuffixes));
    }
    if (random.percent(2))
        text += ";" + placeName(random);
    return text;
}

std::string packagingDescription(Random& random)
{
    std::string text(random.pick(kPackagingNouns));
    text += ", ";
    text += random.pick(kPackagingMaterials);
    if (random.percent(10))
        text += " with 'removable' head";
    if (random.percent(12))
        text += ", for use with a loading frame that is not included";
    if (random.percent(2))
        text += "; r\xE9utilisable";
    return text;
}

// Blanks the reload trims: some before the description, some after it.
std::string withBlanks(Random& random, std::string description)
{
    if (random.percent(3))
        description.insert(0, std::string(1 + random.below(2), ' '));
    if (random.percent(5))
        description.append(std::string(1 + random.below(4), ' '));
    return description;
}

std::string kemasanCode(std::int64_t index)
{
    const std::int64_t value = (index * kKemasanStep + kKemasanOffset) % kMaxKemasanLines;
    return {kAlphanumerics[static_cast<std::size_t>(value / 36)],
            kAlphanumerics[static_cast<std::size_t>(value % 36)]};
}

std::string portCode(std::int64_t index)
{
    std::int64_t value = (index * kPortStep + kPortOffset) % kMaxPelabuhanLines;
    std::string code(5, ' ');
    for (int i = 4; i >= 2; --i) {
        code[static_cast<std::size_t>(i)] = kAlphanumerics[static_cast<std::size_t>(value % 36)];
        value /= 36;
    }
    code[1] = kLetters[static_cast<std::size_t>(value % 26)];
    code[0] = kLetters[static_cast<std::size_t>(value / 26)];
    return code;
}

} // namespace

void writeKemasanFile(const std::string& path, std::int64_t lines)
{
    if (lines < 0 || lines > kMaxKemasanLines)
        throw std::runtime_error("a packaging file holds 0 to 1296 lines, not " +
                                 std::to_string(lines));
    Random random(406);
    Output output(path);
    for (std::int64_t i = 0; i < lines; ++i)
        output.line(kemasanCode(i) + ";" + withBlanks(random, packagingDescription(random)));
    output.close();
}

void writePelabuhanFile(const std::string& path, std::int64_t lines)
{
    if (lines < 0 || lines > kMaxPelabuhanLines)
        throw std::runtime_error("too many port lines: " + std::to_string(lines));
    Random random(60000);
    Output output(path);
    for (std::int64_t i = 0; i < lines; ++i)
        output.line(portCode(i) + ";" + withBlanks(random, portDescription(random)));
    output.close();
}

} // namespace bench
