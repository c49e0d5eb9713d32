#pragma once
// The messages around an operation that must not be interrupted (an upload, a format): the
// warnings before it, with the battery's capacity, and the report of its outcome.
#include <QString>

namespace KTX {
namespace APP {

// Text tokens of one kind of operation.
struct OperationWarningTextsS
{
    int iDataLossToken;        // "Data may get lost! ... Proceed?"
    int iUnknownCapacityToken; // "Unknown"
    int iPowerSupplyToken;     // "Never disconnect power supply ... Current capacity: %1\nProceed?"
};

struct OperationResultTextsS
{
    int iSuccessToken;         // with %1, or without
    int iFailureToken;         // with %1, or without
    int iBatteryToken;         // "\n\nBattery power is too low."
    int iVersionConflictToken; // "\n\nVersion conflict."; 0 when the operation has none
    int iErrorNumberToken;     // "\n\nError number: 0x%1."
};

// "75%", or the unknown text when the power service cannot tell.
QString batteryCapacityText(int iUnknownCapacityToken);

// Asks the data-loss question (when asked for) and then the power question. True only when
// every question was answered YES: a message that ends without an answer starts nothing.
bool confirmOperation(const OperationWarningTextsS& rTexts, bool bAskDataLoss);

// The failure message of a result code: the failure text, then the reason (battery, version
// conflict, or the code in hexadecimal).
QString operationFailureText(int iResult, const QString& strArgument, const OperationResultTextsS& rTexts);

// Reports the outcome of an operation. Success: a message that closes by itself after 3 s,
// unless the platform says that no message is wanted. Failure: the failure text, answered with
// OK. True on success.
bool reportOperationResult(int iResult, const QString& strArgument, const OperationResultTextsS& rTexts);

} // namespace APP
} // namespace KTX
