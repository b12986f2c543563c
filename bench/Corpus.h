#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// The sample corpus at the scales the benchmarks run on: 1, the sample Data.zip that the build
// puts beside the application, and 16, built by bench/ in the same way.
constexpr int Scales[] = {1, 16};

// Runs the benchmark once for each scale, which it reads as state.range(0).
benchmark::internal::Benchmark* AtEveryScale(benchmark::internal::Benchmark* benchmark);

// How a copy of one corpus is packed.
enum class Packing {
    DataZip,          // Data.zip as the application finds it (pack_data, AES-256, __MACOSX entries)
    SevenZipAes256,   // 7z a -tzip -mem=AES256 -p<password>
    SevenZipZipCrypto // 7z a -tzip -mem=ZipCrypto -p<password>
};

// The folder that holds the application and the Data.zip it unpacks, at that scale.
QString ApplicationFolder(int scale);
// The archive of the corpus at that scale; 7-Zip's are packed on first use.
QString ArchivePath(int scale, Packing packing);
QString ArchivePassword();

// A new empty folder below the benchmark's own temporary folder, and its removal.
QString FreshFolder();
void RemoveFolder(const QString& path);

// Runs the whole data set-up on the Data.zip of that scale with fresh temporary and preference
// folders, after clearing the set-up before. Its tables then stay loaded.
void SetUpData(int scale);
// Unloads the tables and removes the folders of the last set-up.
void ClearData();
// Sets the data up at that scale unless it is loaded already.
void EnsureDataAt(int scale);
