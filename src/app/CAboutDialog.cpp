#include "app/CAboutDialog.h"

#include "app/ApplicationIcon.h"

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
    for (const char* line : {"Orvane Vantrel Light Control", "Version 1.2",
                             "Copyright (C) 2005 Orvane Solutions. All rights reserved.",
                             "E-mail: support@orvane-solutions.example", "Web: www.orvane-solutions.example"})
        layout->addWidget(new QLabel(QString::fromLatin1(line), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
