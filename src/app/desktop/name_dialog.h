#pragma once
// The modal text-input dialog that asks for the name, and the adapter through
// which the card's askname shows it.
#include <QDialog>
#include <QPoint>
#include <QRect>

#include "seed/name.h"

class QLabel;
class QLineEdit;

namespace gc::desktop {

inline constexpr int twipsPerPixel = 15;
// The dialog's top-left corner on the screen, in twips.
inline constexpr QPoint nameDialogTwips(500, 8700);

// Where a dialog of the given size goes on a screen with the given free area:
// at its place in twips, moved up and left only as far as it takes to stay
// whole on a screen too small for that place.
QPoint nameDialogPlace(QSize dialog, const QRect& screen);

class NameEntryDialog final : public QDialog {
public:
    // prompt: lines separated by carriage returns.
    NameEntryDialog(const QString& prompt, QWidget* parent);

    QString prompt() const;
    QLineEdit* field() const { return field_; }
    QString text() const;

private:
    QLabel* prompt_;
    QLineEdit* field_;
};

class ModalNameDialog final : public NameDialog {
public:
    explicit ModalNameDialog(QWidget* parent) : parent_(parent) {}
    std::string ask(const std::string& prompt) override;

private:
    QWidget* parent_;
};

}  // namespace gc::desktop
