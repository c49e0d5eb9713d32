#include "TSG_Catalog.h"

#include <QHash>

namespace TSG {

namespace {

// Plural forms offered for a new "%n" text; Linguist adapts them to the target language.
const int s_iDefaultNumerusForms = 2;

QString keyOf(const MessageC& rMessage)
{
    return rMessage.m_strContext + QChar(0) + rMessage.m_strSource + QChar(0) +
           rMessage.m_strKind;
}

bool isFinished(const TranslationC& rTranslation)
{
    return rTranslation.m_strType.isEmpty() || rTranslation.m_strType == QLatin1String("vanished");
}

// A translation brought back into use: vanished ones were finished, obsolete ones were not.
TranslationC revived(const TranslationC& rTranslation)
{
    TranslationC oTranslation = rTranslation;
    if (rTranslation.m_strType == QLatin1String("vanished")) {
        oTranslation.m_strType.clear();
    } else if (rTranslation.m_strType == QLatin1String("obsolete")) {
        oTranslation.m_strType = QStringLiteral("unfinished");
    }
    return oTranslation;
}

// Of several existing messages with one key, a finished translation wins over an unfinished one.
bool isBetter(const MessageC& rCandidate, const MessageC& rCurrent)
{
    const bool bCandidateGood = rCandidate.m_oTranslation.hasText() &&
                                isFinished(rCandidate.m_oTranslation);
    const bool bCurrentGood = rCurrent.m_oTranslation.hasText() &&
                              isFinished(rCurrent.m_oTranslation);
    return bCandidateGood && !bCurrentGood;
}

} // namespace

CatalogC CatalogC::fromTextTokens(const QMap<int, V40::LNG::TextTokenC>& rmapTokens)
{
    CatalogC oCatalog;
    QHash<QString, int> hashIndexByKey;
    for (auto it = rmapTokens.constBegin(); it != rmapTokens.constEnd(); ++it) {
        MessageC oMessage;
        oMessage.m_strContext = it.value().m_strContext;
        oMessage.m_strSource = it.value().m_strSourceText;
        oMessage.m_strKind = it.value().m_strKind;
        const QString strKey = keyOf(oMessage);
        const auto itIndex = hashIndexByKey.constFind(strKey);
        if (itIndex != hashIndexByKey.constEnd()) {
            oCatalog.m_lstMessages[itIndex.value()].m_lstTokens.append(it.key());
            continue;
        }
        oMessage.m_lstTokens.append(it.key());
        oMessage.m_bNumerus = oMessage.m_strSource.contains(QLatin1String("%n"));
        oMessage.m_oTranslation.m_strType = QStringLiteral("unfinished");
        const int iForms = oMessage.m_bNumerus ? s_iDefaultNumerusForms : 1;
        for (int i = 0; i < iForms; ++i) {
            oMessage.m_oTranslation.m_lstForms.append(QString());
        }
        hashIndexByKey.insert(strKey, oCatalog.m_lstMessages.size());
        oCatalog.m_lstMessages.append(oMessage);
    }
    return oCatalog;
}

void CatalogC::merge(const QList<MessageC>& lstExisting)
{
    // The best existing message per key, in the order the existing source had them.
    QHash<QString, int> hashExistingByKey;
    QList<QString> lstExistingKeys;
    for (int i = 0; i < lstExisting.size(); ++i) {
        const QString strKey = keyOf(lstExisting.at(i));
        const auto itIndex = hashExistingByKey.find(strKey);
        if (itIndex == hashExistingByKey.end()) {
            hashExistingByKey.insert(strKey, i);
            lstExistingKeys.append(strKey);
        } else if (isBetter(lstExisting.at(i), lstExisting.at(itIndex.value()))) {
            itIndex.value() = i;
        }
    }

    for (MessageC& rMessage : m_lstMessages) {
        const QString strKey = keyOf(rMessage);
        const auto itIndex = hashExistingByKey.constFind(strKey);
        if (itIndex == hashExistingByKey.constEnd()) {
            continue;
        }
        const MessageC& rExisting = lstExisting.at(itIndex.value());
        if (rExisting.m_bNumerus == rMessage.m_bNumerus) {
            rMessage.m_oTranslation = revived(rExisting.m_oTranslation);
        }
        hashExistingByKey.remove(strKey);
    }

    for (const QString& strKey : lstExistingKeys) {
        const auto itIndex = hashExistingByKey.constFind(strKey);
        if (itIndex == hashExistingByKey.constEnd()) {
            continue;
        }
        MessageC oStale = lstExisting.at(itIndex.value());
        if (!oStale.m_oTranslation.hasText()) {
            continue;
        }
        oStale.m_lstTokens.clear();
        oStale.m_oTranslation.m_strType = isFinished(oStale.m_oTranslation)
                                              ? QStringLiteral("vanished")
                                              : QStringLiteral("obsolete");
        m_lstMessages.append(oStale);
    }
}

} // namespace TSG
