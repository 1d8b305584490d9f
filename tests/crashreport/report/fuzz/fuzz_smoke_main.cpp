// Runs a fuzz target over fixed seeds and deterministic mutations of them,
// so that the targets run in every build, not only in libFuzzer builds.
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

const char *const seeds[] = {
    "",
    "CrashNote 6.0.6\r\n\r\nException:\r\n------\r\n  2.7 ID: 1A2B\r\n  2.8 Count: x\r\n\r\n"
    "T:\r\n---\r\n|x|\r\n---\r\n\r\n\r\n\r\n\r\n\r\nCrashNote 6.0.6\r\nT:\r\n-\r\n|y|",
    "[Coordinates]\r\nWidth=900\r\nHeight=-5\r\nLeft=2147483647\r\nTop=-2147483648\r\n"
    "ColMod3=7\r\nCol5=\r\n[User]\r\nEmail = ana@loja.com.br \r\n[]\r\n=\r\n",
    "\r\n\r\n\r\n\r\n-\r\n|\r\n\r\n\r\n\r\n  2.8 \r\n  2.8 Count: 1",
};

QByteArray mutate(QByteArray input, std::mt19937 &random)
{
    static const QByteArray pieces[] = {"\r\n", "\r", "\n", "-\r\n|", ": ", ":_", "  2.8 ", "  2.", "=", "[", "]", "|"};
    const int changes = 1 + int(random() % 8);
    for (int i = 0; i < changes; ++i) {
        const qsizetype at = input.isEmpty() ? 0 : qsizetype(random() % std::uint32_t(input.size() + 1));
        switch (random() % 4) {
        case 0:
            input.insert(at, pieces[random() % std::size(pieces)]);
            break;
        case 1:
            if (at < input.size())
                input[at] = char(random());
            break;
        case 2:
            input.truncate(at);
            break;
        default:
            input.insert(at, input.mid(at / 2, qsizetype(random() % 64)));
        }
    }
    return input;
}

} // namespace

// The optional argument is the number of inputs made from each seed.
int main(int argc, char **argv)
{
    const int perSeed = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::mt19937 random(20261211);
    int runs = 0;
    for (const char *seed : seeds) {
        QByteArray input(seed);
        for (int i = 0; i < perSeed; ++i, ++runs) {
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.constData()), std::size_t(input.size()));
            input = (i % 50 == 49) ? QByteArray(seed) : mutate(input, random);
        }
    }
    std::printf("%d inputs\n", runs);
    return 0;
}
