#pragma once
// Base of the field validators: the "no value" placeholder always passes, everything else goes
// to the subclass. Holds the input steps that the numeric validators share.
#include <QValidator>

namespace V40 {
namespace GUI {

class ValidatorC : public QValidator
{
    Q_OBJECT

public:
    explicit ValidatorC(QObject* parent = nullptr);
    ~ValidatorC() override;

    // "----": what a field shows for a value that is not there.
    static const QString& placeholderText();

    State validate(QString& rstrInput, int& riPos) const override;
    void fixup(QString& rstrInput) const override;
    // Validation of every text but the placeholder.
    virtual State validateText(QString& rstrInput, int& riPos) const = 0;

protected:
    // Removes surrounding white space; the position moves back by what was removed in front and
    // stays inside the text.
    static void trimInput(QString& rstrInput, int& riPos);
    // A "+" typed into the text toggles the leading minus sign instead of staying there.
    static void applySignKey(QString& rstrInput, int& riPos);
};

} // namespace GUI
} // namespace V40
