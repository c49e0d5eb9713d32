#pragma once
// What every fuzz target shares: a simulated instrument of its own below a fresh temporary root,
// the input as bytes and text, and a loud stop when a property of the parser does not hold.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace KFZ {

// Once per process: KESTRA_SIM_ROOT is a new temporary folder (kept when already set), traces
// stay in its log, durable writes skip their flushes. Returns true so that it can initialise a static.
bool setUp();

// Called at the end of every input: forgets the assertion reports, which would otherwise pile up.
void endInput();

QByteArray bytes(const uint8_t* pData, size_t uSize);

// Replaces the file at the path with the bytes (its folder is made).
void putFile(const QString& strPath, const QByteArray& baData);

// A property that must hold for every input: prints what failed and aborts, which the fuzzer
// reports as a crash with the input kept.
void require(bool bHolds, const char* szWhat, const QString& strDetail = QString());

} // namespace KFZ
