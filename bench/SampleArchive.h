#pragma once

#include <QString>

// The sample archive built beside the application, and the password it is packed with.
QString SampleArchivePath();
QString SampleArchivePassword();

// A new empty folder below the benchmark's own temporary folder.
QString FreshFolder();

// Points the application, temporary and preference folders at scratch folders and runs the
// whole data set-up on the sample archive.
void RunDataSetup();
