#include "app/CAboutDialog.h"

#include "app/ApplicationIcon.h"
#include "VantrelVersion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Orvane Vantrel Light Control"));
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    layout->addWidget(icon);
    const QString version = QStringLiteral("Version ") + QString::fromLatin1(VantrelVersion);
    for (const QString& line : {QStringLiteral("Orvane Vantrel Light Control"), version,
                                QStringLiteral("Copyright (C) 2005 Orvane Solutions. All rights reserved."),
                                QStringLiteral("E-mail: support@orvane-solutions.example"),
                                QStringLiteral("Web: www.orvane-solutions.example")})
        layout->addWidget(new QLabel(line, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
