#pragma once

#include <QString>

// The sample archive built beside the application, and the password it is packed with.
QString SampleArchivePath();
QString SampleArchivePassword();

// The sample tree packed once by 7-Zip with AES-256, as most people make an encrypted zip:
// `7z a -tzip -mem=AES256 -p<password> Data.zip Data`.
QString SevenZipAesArchivePath();

// A new empty folder below the benchmark's own temporary folder.
QString FreshFolder();

// Points the application, temporary and preference folders at scratch folders and runs the
// whole data set-up on the sample archive.
void RunDataSetup();
