// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_TOOLKITTRANSLATOR_H
#define QUORLITH_APP_TOOLKITTRANSLATOR_H

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

// Qt's own catalogues for the window's language (qtbase_XX and the older qt_XX, as Debian's
// qttranslations5-l10n installs them), so that the file dialogs and the message boxes' buttons speak
// the language of the program's own texts. A text is answered by the first catalogue that holds it, so
// an older catalogue's gaps are filled by a newer one of a close language. It answers no text of the
// context "QObject": the program's own texts are looked up there, and one of them ("Cancel") stays in
// English in every language.
class ToolkitTranslator : public QTranslator
{
public:
    explicit ToolkitTranslator(QObject* parent);

    // Loads the catalogues for the program's catalogue code (e.g. "ger") from folder; false when the code
    // needs none (English) or none of its catalogues could be read.
    bool Load(const QString& code, const QString& folder);

    // The catalogue base names for a code, in the order they are asked; none for English.
    static QStringList CatalogueNames(const QString& code);

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override;

private:
    std::vector<std::unique_ptr<QTranslator>> catalogues;
};

#endif
