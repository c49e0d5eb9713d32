#pragma once
// Version of a software component or file: major, minor and build, 16 bits each.
#include <QString>
#include <QtGlobal>

namespace SDR {

class VersionRecordC
{
public:
    VersionRecordC();
    VersionRecordC(quint16 uMajor, quint16 uMinor, quint16 uBuild);

    quint16 getMajor() const;
    quint16 getMinor() const;
    quint16 getBuild() const;
    void set(quint16 uMajor, quint16 uMinor, quint16 uBuild);

    // "major.minor.build" (a missing build counts as 0); false and unchanged for anything else.
    bool fromText(const QString& strText);
    QString toText() const;

private:
    quint16 m_uMajor;
    quint16 m_uMinor;
    quint16 m_uBuild;
};

} // namespace SDR
