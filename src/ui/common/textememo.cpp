#include "ui/common/textememo.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString texteMemo(const QPlainTextEdit& memo) {
    QString texte = memo.document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, u'\n');
    texte.replace(QChar::LineSeparator, u'\n');
    return texte;
}
