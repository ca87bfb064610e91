#include "SpinButtons.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "EditedEntry.h"

namespace kelvara::ui {

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

}  // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    auto* upButton = ArrowButton(Qt::UpArrow, this);
    auto* downButton = ArrowButton(Qt::DownArrow, this);
    upButton->setObjectName(QStringLiteral("up"));
    downButton->setObjectName(QStringLiteral("down"));
    connect(upButton, &QToolButton::clicked, this, [this] {
        if (CommitEditedEntry(window())) emit up();
    });
    connect(downButton, &QToolButton::clicked, this, [this] {
        if (CommitEditedEntry(window())) emit down();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(upButton);
    layout->addWidget(downButton);
    // As tall as the entry field beside it.
    setFixedSize(18, QLineEdit().sizeHint().height());
}

}  // namespace kelvara::ui
