#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#include <QCoreApplication>
#include <QLatin1String>

namespace V40 {
namespace LNG {

namespace {

const char* const s_szSource = "V40_LNG_TextTokens";

struct TextTokenLiteralS
{
    int iToken;
    const char* szContext;
    const char* szSourceText;
    const char* szKind;
};

// The one source of every text the GUI shows. Tokens are never renumbered: widgets, stored
// menus and translation files refer to them. Numbers without an entry are unused.
const TextTokenLiteralS s_aTextTokenLiterals[] = {
    {1, "Functionkey", "OK", "Button"},
    {2, "Functionkey", "YES", "Button"},
    {3, "Functionkey", "NO", "Button"},
    {4, "Functionkey", "CANCEL", "Button"},
    {5, "Functionkey", "RETRY", "Button"},
    {6, "Functionkey", "DEFAULT", "Button"},

    {7, "Global", "Kestra Toolkit", "Title"},
    {8, "Global", "Page %1", "Title"},
    {9, "Global", "Information", "Label"},
    {10, "Global", "Warning", "Label"},
    {11, "Global", "Error", "Label"},
    {12, "Global", "Exit?", "Message"},
    {13, "Global", "Initializing system ...", "Label"},
    {14, "Global", "Shutting down system ...", "Label"},
    {15, "Global", "Data stored ...", "Message"},
    {16, "Global", "Data could not be stored!", "Message"},
    {17, "Global", "Exit?\n\nModifications will be ignored!", "Message"},
    {18, "Global", "A reboot is required for the\nchanges to take effect.\n\nReboot now?", "Message"},

    {19, "FileUpload", "No %1 file could be\nfound on %2!", "Message"},
    {20, "FileUpload", "File name", "Label"},
    {21, "FileUpload", "Version", "Label"},
    {22, "FileUpload", "Language", "Label"},
    {23, "FileUpload", "Date", "Label"},
    {24, "FileUpload", "Select File", "Title"},
    {25, "FileUpload", "Select Language", "Title"},
    {26, "FileUpload", "Files of type\n\"%1\"\ncannot be uploaded\non this device.", "Message"},
    {27, "FileUpload", "Information", "Title"},
    {28, "FileUpload", "Uploading File '%1'...", "Message"},
    {31, "FileUpload", "Check file and try again.", "Message"},
    {32, "FileUpload", "%1 is not available!", "Message"},
    {33, "FileUpload",
     "Data may get lost!\nPlease close all other\napplications before proceeding!\n\n\nProceed?",
     "Message"},
    {34, "FileUpload", "Unknown", "Message"},
    {35, "FileUpload",
     "Never disconnect power supply\nduring data transfer!\n\nBattery capacity must be at\n"
     "least 75% before starting.\nCurrent capacity: %1\nProceed?",
     "Message"},
    {36, "FileUpload", "Upload of file\n%1\nwas successful.", "Message"},
    {37, "FileUpload", "Upload of file\n%1\nwas not successful.", "Message"},
    {38, "FileUpload", "\n\nBattery power is too low.", "Message"},
    {39, "FileUpload", "\n\nVersion conflict.", "Message"},
    {40, "FileUpload", "\n\nError number: 0x%1.", "Message"},
    {41, "FileUpload", "SD Card", "Label"},
    {42, "FileUpload", "Firmware", "Label"},
    {43, "FileUpload", "Language", "Label"},
    {45, "FileUpload", "Unsupported memory device.", "Message"},
    {46, "FileUpload", "Unsupported file type.", "Message"},
    {47, "FileUpload", "File type not allowed.", "Message"},

    {48, "CommunicationSettings", "COMMUNICATION SETTINGS", "Title"},
    {49, "CommunicationSettings", "CONF", "Button"},
    {50, "CommunicationSettings", "Select the communication port", "Label"},
    {51, "CommunicationSettings", "RS232", "Label"},
    {52, "CommunicationSettings", "Bluetooth Handle", "Label"},
    {53, "CommunicationSettings", "Internal Bluetooth", "Label"},
    {54, "CommunicationSettings", "None", "ComboBox"},
    {55, "CommunicationSettings", "Baudrate", "Label"},
    {56, "CommunicationSettings", "Odd", "ComboBox"},
    {57, "CommunicationSettings", "Even", "ComboBox"},
    {58, "CommunicationSettings", "Parity", "Label"},
    {59, "CommunicationSettings", "Data bits", "Label"},
    {60, "CommunicationSettings", "Stop bits", "Label"},
    {61, "CommunicationSettings", "RTS/CTS", "ComboBox"},
    {62, "CommunicationSettings", "Flow control", "Label"},
    {63, "CommunicationSettings", "Pin", "Label"},

    {64, "UnitSettings", "UNIT SETTINGS", "Title"},
    {65, "UnitSettings", "Angle", "Label"},
    {66, "UnitSettings", "Distance", "Label"},
    {67, "UnitSettings", "Temperature", "Label"},
    {68, "UnitSettings", "Pressure", "Label"},
    {69, "UnitSettings", "meter", "Label"},
    {70, "UnitSettings", "US-ft", "Label"},
    {71, "UnitSettings", "INT-ft", "Label"},
    {72, "UnitSettings", "Ft-in/16", "Label"},
    {73, "UnitSettings", "gon", "Label"},
    {74, "UnitSettings", "deg", "Label"},
    {75, "UnitSettings", "mil", "Label"},
    {76, "UnitSettings", "%1'\"", "Label"},
    {77, "UnitSettings", "%1C", "Label"},
    {78, "UnitSettings", "%1F", "Label"},
    {79, "UnitSettings", "hPa", "Label"},
    {80, "UnitSettings", "mbar", "Label"},
    {81, "UnitSettings", "mmHg", "Label"},
    {82, "UnitSettings", "inHg", "Label"},

    {83, "DateTimeSettings", "DATE / TIME", "Title"},
    {84, "DateTimeSettings", "Time (24h)", "Label"},
    {85, "DateTimeSettings", "Date", "Label"},
    {86, "DateTimeSettings", "Format", "Label"},
    {87, "DateTimeSettings", "dd.mm.yyyy", "CBox"},
    {88, "DateTimeSettings", "mm.dd.yyyy", "CBox"},
    {89, "DateTimeSettings", "yyyy.mm.dd", "CBox"},

    {90, "AtmosphericSettings", "ATMOSPHERIC SETTINGS", "Title"},
    {91, "AtmosphericSettings", "Z (MSL)", "Label"},
    {92, "AtmosphericSettings", "Temperature", "Label"},
    {93, "AtmosphericSettings", "Pressure", "Label"},
    {94, "AtmosphericSettings", "Humidity", "Label"},
    {95, "AtmosphericSettings", "Atmos PPM", "Label"},
    {96, "AtmosphericSettings", "Refr. Coeff", "Label"},
    {97, "AtmosphericSettings", "Use Refr. C.", "Label"},
    {98, "AtmosphericSettings", "Yes", "CBox"},
    {99, "AtmosphericSettings", "No", "CBox"},

    {100, "Level", "LEVEL UP", "Title"},
    {101, "Level", "Plummet", "Label"},
    {102, "Level", "L", "Label"},
    {103, "Level", "T", "Label"},

    {104, "Calibration", "View Adjustment Data", "Title"},
    {105, "Calibration", "Comp. L error", "Label"},
    {106, "Calibration", "Comp. T error", "Label"},
    {107, "Calibration", "V. index error", "Label"},
    {108, "Calibration", "L.O.S. error", "Label"},
    {109, "Calibration", "Tilt axis error", "Label"},
    {110, "Calibration", "Calibration: Step %1", "Title"},
    {111, "Calibration", "Aim at target 100m away\n%1 10%2 from horizontal angle.", "Label"},
    {112, "Calibration", "Aim at target 100m away\n%1 27%2 from horizontal angle.", "Label"},
    {113, "Calibration", "Measurement %1: Face %2", "Label"},
    {114, "Calibration", "Hz", "Label"},
    {115, "Calibration", "V", "Label"},
    {116, "Calibration",
     "Aim the telescope accurately at a\ntarget at about 100 m distance.\n"
     "The target must be positioned within\n%1 9%2/%3 10 gon of the horizontal\n"
     "plane. Start the procedure in\ntelescope face one. Press OK (F6) to\n"
     "measure and continue to the next\nstep. Motorized instruments change\n"
     "automatically to face one.",
     "Message"},
    {117, "Calibration",
     "Aim the telescope accurately at a\ntarget at about 100 m distance or\n"
     "less if not possible. The target\nmust be positioned at least\n"
     "27%1/30 gon above or beneath the\nhorizontal plane. Press OK (F6) to\n"
     "measure and continue to the next\nstep. Motorized instruments change\n"
     "automatically to the other face.",
     "Message"},
    {118, "Calibration", "Out of level!\nRedo procedure?", "Message"},
    {119, "Calibration", "Results", "Title"},
    {120, "Calibration", "Old", "Label"},
    {121, "Calibration", "Trevo calibration was updated", "Label"},
    {122, "Calibration", "Trevo calibration was not updated", "Label"},
    {123, "Calibration", "Compensator index error", "Message"},
    {124, "Calibration", "Tilting axis error", "Message"},
    {125, "Calibration", "V index error", "Message"},
    {126, "Calibration", "Hz collimation error", "Message"},
    {127, "Calibration", "Trevo collimation error", "Message"},
    {128, "Calibration",
     "%1\nerror > %2.\n\nRepeat measurement.\n\nIf frequently reported\ncontact Customer Support.",
     "Message"},
    {129, "Calibration",
     "Automatic target aiming accuracy\nnot achieved because of unstable\n"
     "target air shimmer or bad\nmeasurement conditions.\n",
     "Message"},
    {130, "Calibration",
     "Prism could not be detected. Ambient\nlight too bright or too many light\n"
     "reflections in telescope's field\nof view. If possible move reflector\n"
     "to different position.\n",
     "Message"},
    {131, "Calibration", "No prism found or bad conditions.\n\nRepeat measurement.", "Message"},
    {132, "Calibration",
     "Unknown Error.\n\nError ID: %1 %2\n\nSubmit Error ID & details of\n"
     "current survey procedure being\nperformed to Customer Support\nif frequently reported.",
     "Message"},
    {133, "Calibration",
     "Compensator is not stable.\n\nInstrument must be stable to run\n"
     "adjustment - ensure instrument\n is free from any vibrations.",
     "Message"},
    {134, "Calibration", "Invalid vertical angle.\n\nValid range is:\n", "Message"},
    {135, "Calibration", "%1 < V < %2\n", "Message"},
    {136, "Calibration", "High Pt: %1 to %2\n", "Message"},
    {137, "Calibration", "High pt: %1 to %2\n         %3 to %4\n", "Message"},
    {138, "Calibration", "Low Pt:  %1 to %2\n", "Message"},
    {139, "Calibration", "Low pt:  %1 to %2\n         %3 to %4\n", "Message"},
    {140, "Calibration", "Measuring ...", "Message"},

    {141, "System information", "SYSTEM INFO", "Title"},
    {142, "System information", "Instrument Model", "Label"},
    {143, "System information", "Serial Number", "Label"},
    {144, "System information", "Equipment Number", "Label"},
    {145, "System information", "Boot Version", "Label"},
    {146, "System information", "EFI Version", "Label"},
    {147, "System information", "SB Version", "Label"},
    {148, "System information", "EDM Version", "Label"},
    // The two distance meter variants the system information names.
    {149, "System information", "Standard EDM", "Label"},
    {150, "System information", "Long Range EDM", "Label"},
    {151, "System information", "KDM Version", "Label"},
    {152, "System information", "OVC Version", "Label"},
    {153, "System information", "Angle Accuracy", "Label"},
    {154, "System information", "Trevo360", "Label"},
    {155, "System information", "EDM", "Label"},
    {156, "System information", "Vantis360", "Label"},
    {157, "System information", "Imaging", "Label"},
    {158, "System information", "Video", "Label"},
    {159, "System information", "Overview Camera", "Label"},
    {160, "System information", "WinCE Version", "Label"},
    {161, "System information", "Kestra Toolkit", "Label"},
    {162, "System information", "Extended Robotic", "Label"},
    {163, "System information", "Virtual Robotic", "Label"},
    {164, "System information", "Production Flag", "Label"},
    {165, "System information", "Legal", "Label"},
    {166, "System information", "File: %1\n is not available!", "Message"},

    {167, "Format", "SD Card", "Label"},
    {168, "Format", "System", "Label"},
    {169, "Format",
     "Data may get lost!\nPlease close all other\napplications before proceeding!\n\n\nProceed?",
     "Message"},
    {170, "Format", "Unknown", "Message"},
    {171, "Format",
     "Never disconnect power supply\nduring format!\n\nBattery capacity must be at\n"
     "least 75% before starting.\nCurrent capacity: %1\nProceed?",
     "Message"},
    {172, "Format", "Formatting...\nThis may take a few minutes.", "Message"},
    {173, "Format", "%1 is not available!", "Message"},
    {174, "Format", "Format completed!", "Message"},
    {175, "Format", "Formatting was not successful.", "Message"},
    {176, "Format", "\n\nBattery power is too low.", "Message"},
    {177, "Format", "\n\nError number: 0x%1.", "Message"},

    {178, "Menu", "MAIN MENU", "Title"},
    {179, "Menu", "Level", "Label"},
    {180, "Menu", "Sysinfo", "Label"},
    {181, "Menu", "SETTINGS", "Title"},
    {182, "Menu", "Settings", "Label"},
    {183, "Menu", "APPS", "Title"},
    {184, "Menu", "Apps", "Label"},
    {185, "Menu", "Unit", "Label"},
    {186, "Menu", "Date/Time", "Label"},
    {187, "Menu", "Comm.", "Label"},
    {188, "Menu", "Atmos.", "Label"},
    {189, "Menu", "UPDATE", "Title"},
    {190, "Menu", "Update", "Label"},
    {191, "Menu", "CALIBRATION", "Title"},
    {192, "Menu", "Calib.", "Label"},
    {193, "Menu", "FORMAT", "Title"},
    {194, "Menu", "Format", "Label"},
    {195, "Menu", "Firmware", "Label"},
    {196, "Menu", "Language", "Label"},
    {198, "Menu", "Calibrate All", "Label"},
    {199, "Menu", "Calibrate without Trevo", "Label"},
    {200, "Menu", "View Adjustment Data", "Label"},
    {201, "Menu", "System", "Label"},
    {202, "Menu", "SD Card", "Label"},
};

// Filled on the GUI thread during start-up and only read afterwards.
QMap<int, TextTokenC> s_mapTextTokens;

} // namespace

void initTextTokens()
{
    if (!s_mapTextTokens.empty()) {
        BSS_ASSERT_REPORT("s_mapTextTokens.empty()", s_szSource, __LINE__);
        // The texts are constant, so the filled table is already right; leaving it alone also
        // keeps readers on other threads safe.
        return;
    }
    for (const TextTokenLiteralS& rLiteral : s_aTextTokenLiterals) {
        s_mapTextTokens.insert(rLiteral.iToken,
                               TextTokenC{QLatin1String(rLiteral.szContext),
                                          QLatin1String(rLiteral.szSourceText),
                                          QLatin1String(rLiteral.szKind)});
    }
}

void clearTextTokens()
{
    s_mapTextTokens.clear();
}

QString getTextToken(int iToken, int n)
{
    const auto itToken = s_mapTextTokens.constFind(iToken);
    if (itToken == s_mapTextTokens.constEnd()) {
        BSS_ASSERT_REPORT("false", s_szSource, __LINE__);
        return QStringLiteral("<XXX>");
    }
    const TextTokenC& rToken = itToken.value();
    return QCoreApplication::translate(rToken.m_strContext.toUtf8().constData(),
                                       rToken.m_strSourceText.toUtf8().constData(),
                                       rToken.m_strKind.toUtf8().constData(), n);
}

const QMap<int, TextTokenC>& textTokens()
{
    return s_mapTextTokens;
}

} // namespace LNG
} // namespace V40
