#pragma once
// Everything the SYSTEM INFO page shows, read once from the instrument when the model is made,
// as display text. An empty text means the value could not be read.
#include <QObject>
#include <QString>

namespace SDR {
class VersionRecordC;
}

namespace KTX {
namespace APP {

class SystemInformationModelC : public QObject
{
    Q_OBJECT

public:
    explicit SystemInformationModelC(QObject* parent = nullptr);
    ~SystemInformationModelC() override;

    QString GetInstrumentModel() const { return m_strInstrumentModel; }
    QString GetSerialNumber() const { return m_strSerialNumber; }
    QString GetEquipmentNumber() const { return m_strEquipmentNumber; }
    QString GetAngleAccuracy() const { return m_strAngleAccuracy; }
    QString GetEdm() const { return m_strEdm; }
    QString GetToolkitVersion() const { return m_strToolkitVersion; }
    QString GetWinCEVersion() const { return m_strWinCEVersion; }
    QString GetBootVersion() const { return m_strBootVersion; }
    QString GetEfiVersion() const { return m_strEfiVersion; }
    QString GetSbVersion() const { return m_strSbVersion; }
    QString GetEdmVersion() const { return m_strEdmVersion; }
    QString GetKdmVersion() const { return m_strKdmVersion; }
    QString GetExtendedRobotic() const { return m_strExtendedRobotic; }
    QString GetVirtualRobotic() const { return m_strVirtualRobotic; }
    QString GetTrevo360() const { return m_strTrevo360; }
    QString GetVantis360() const { return m_strVantis360; }
    QString GetProductionFlag() const { return m_strProductionFlag; }
    QString GetOverviewCamera() const { return m_strOverviewCamera; }
    // Empty without the overview camera: it is not asked for then.
    QString GetOvcVersion() const { return m_strOvcVersion; }
    QString GetImaging() const { return m_strImaging; }
    QString GetVideo() const { return m_strVideo; }

    // The formats of the page, each applied to one value.
    // Seconds of arc with the seconds sign: "1\"" for whole seconds, "0.5\"" otherwise.
    static QString formatAngleAccuracy(double dArcSeconds);
    // The text of a distance meter type; an unknown type is reported and shows "NO".
    static QString formatDistanceMeterType(int iType);
    // A version with a printf pattern that takes major, minor and build ("%d.%02d.%d").
    static QString formatVersion(const char* szPattern, const SDR::VersionRecordC& rVersion);
    static QString formatYesNo(bool bYes);

private:
    // The version of a component, or an empty text when its query fails.
    static QString componentVersion(int iComponent, const char* szPattern);

    QString m_strInstrumentModel;
    QString m_strSerialNumber;
    QString m_strEquipmentNumber;
    QString m_strAngleAccuracy;
    QString m_strEdm;
    QString m_strToolkitVersion;
    QString m_strWinCEVersion;
    QString m_strBootVersion;
    QString m_strEfiVersion;
    QString m_strSbVersion;
    QString m_strEdmVersion;
    QString m_strKdmVersion;
    QString m_strExtendedRobotic;
    QString m_strVirtualRobotic;
    QString m_strTrevo360;
    QString m_strVantis360;
    QString m_strProductionFlag;
    QString m_strOverviewCamera;
    QString m_strOvcVersion;
    QString m_strImaging;
    QString m_strVideo;
};

} // namespace APP
} // namespace KTX
