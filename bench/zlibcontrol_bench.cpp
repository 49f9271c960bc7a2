// Packing and unpacking 50 MB of mixed text and binary at level 6 with the compression control,
// against plain compress2/uncompress of the same 64 KiB blocks in memory.
#include "ZLibEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <vector>

namespace {

constexpr int kFiles = 10;
constexpr int kFileSize = 5 * 1024 * 1024;
constexpr int kBlock = 65536;
constexpr int kLevel = 6;

QByteArray textPart(uint32_t& seed, int size)
{
    QByteArray text;
    while (text.size() < size) {
        seed = seed * 1664525u + 1013904223u;
        text += QStringLiteral("%1,运单 %2,上海 -> 广州,件数 %3,重量 %4 kg,运费 %5\n")
                    .arg(20240000 + seed % 365).arg(seed % 1000000, 6, 10, QChar('0'))
                    .arg(seed % 50).arg((seed % 100000) / 10.0).arg(seed % 9000)
                    .toUtf8();
    }
    text.truncate(size);
    return text;
}

QByteArray binaryPart(uint32_t& seed, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; i += 4) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        // A quarter noise, the rest small record values as in icons and database pages.
        const uint32_t value = (i / 4096) % 4 == 0 ? seed : (seed % 256) * 0x01000001u;
        memcpy(bytes.data() + i, &value, std::min(4, size - i));
    }
    return bytes;
}

// The 50 MB of sample files, made once.
struct Sample {
    QTemporaryDir dir;
    QStringList files;
    std::vector<QByteArray> blocks;

    Sample()
    {
        uint32_t seed = 12345;
        for (int f = 0; f < kFiles; ++f) {
            QByteArray content;
            while (content.size() < kFileSize)
                content += (content.size() / (256 * 1024)) % 2 ? binaryPart(seed, 256 * 1024)
                                                                : textPart(seed, 256 * 1024);
            const QString path = dir.filePath(QStringLiteral("in/file%1.dat").arg(f));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.write(content);
            files << path;
            for (qsizetype at = 0; at < content.size(); at += kBlock)
                blocks.push_back(content.mid(at, kBlock));
        }
    }
    QString container() const { return dir.filePath(QStringLiteral("sample.zlc")); }
    QString output() const { return dir.filePath(QStringLiteral("out")); }
    int64_t bytes() const { return int64_t(kFiles) * kFileSize; }
};

Sample& sample()
{
    static Sample instance;
    return instance;
}

void packSample(ZLibEngine& zip)
{
    for (const QString& file : sample().files)
        zip.AddFile(file);
}

void BM_ContainerPack(benchmark::State& state)
{
    ZLibEngine zip;
    packSample(zip);
    for (auto _ : state) {
        if (zip.Compress(sample().container(), true, kLevel) != 0)
            state.SkipWithError("Compress failed");
    }
    state.SetBytesProcessed(state.iterations() * sample().bytes());
}

void BM_PlainCompress2(benchmark::State& state)
{
    std::vector<unsigned char> out(compressBound(kBlock));
    for (auto _ : state) {
        for (const QByteArray& block : sample().blocks) {
            uLongf length = out.size();
            compress2(out.data(), &length, reinterpret_cast<const Bytef*>(block.constData()),
                      block.size(), kLevel);
            benchmark::DoNotOptimize(length);
        }
    }
    state.SetBytesProcessed(state.iterations() * sample().bytes());
}

void BM_ContainerUnpack(benchmark::State& state)
{
    ZLibEngine zip;
    packSample(zip);
    zip.Compress(sample().container(), true, kLevel);
    for (auto _ : state) {
        // As the workbench calls it: CRC checked, bare names, overwrite.
        if (zip.Decompress(sample().container(), sample().output(), false, true, false, true,
                           false, true) != 0)
            state.SkipWithError("Decompress failed");
    }
    state.SetBytesProcessed(state.iterations() * sample().bytes());
}

void BM_PlainUncompress(benchmark::State& state)
{
    std::vector<std::vector<unsigned char>> packed;
    for (const QByteArray& block : sample().blocks) {
        uLongf length = compressBound(block.size());
        std::vector<unsigned char> one(length);
        compress2(one.data(), &length, reinterpret_cast<const Bytef*>(block.constData()),
                  block.size(), kLevel);
        one.resize(length);
        packed.push_back(std::move(one));
    }
    std::vector<unsigned char> out(kBlock);
    for (auto _ : state) {
        for (const auto& one : packed) {
            uLongf length = out.size();
            uncompress(out.data(), &length, one.data(), one.size());
            benchmark::DoNotOptimize(length);
        }
    }
    state.SetBytesProcessed(state.iterations() * sample().bytes());
}

}

BENCHMARK(BM_ContainerPack)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_PlainCompress2)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ContainerUnpack)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_PlainUncompress)->Unit(benchmark::kMillisecond)->MinTime(3);

BENCHMARK_MAIN();
