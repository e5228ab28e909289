#include "app/desktop/name_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>

namespace gc::desktop {

QPoint nameDialogPlace(QSize dialog, const QRect& screen) {
    const QPoint wanted(nameDialogTwips.x() / twipsPerPixel, nameDialogTwips.y() / twipsPerPixel);
    const int x = std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - dialog.width()));
    const int y = std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - dialog.height()));
    return {x, y};
}

NameEntryDialog::NameEntryDialog(const QString& prompt, QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(this)), field_(new QLineEdit(this)) {
    // The prompt's lines are separated by a bare carriage return, which a
    // label would not break on.
    QString lines = prompt;
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setText(lines);
    prompt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(prompt_, 0, 0);
    grid->addWidget(buttons, 0, 1);
    grid->addWidget(field_, 1, 0, 1, 2);
    grid->setRowStretch(0, 1);
    setMinimumWidth(360);
    setModal(true);
    field_->setFocus();
}

QString NameEntryDialog::prompt() const { return prompt_->text(); }

QString NameEntryDialog::text() const { return field_->text(); }

std::string ModalNameDialog::ask(const std::string& prompt) {
    // A new dialog every time, so the field always starts empty.
    NameEntryDialog dialog(QString::fromStdString(prompt), parent_);
    dialog.adjustSize();
    const QScreen* screen = parent_ && parent_->screen() ? parent_->screen() : nullptr;
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    dialog.move(nameDialogPlace(dialog.size(), free));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.text().toStdString();
}

}  // namespace gc::desktop
