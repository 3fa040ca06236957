#pragma once

class QMenu;
class QWidget;
struct MenuDefinition;

// A pop-up menu built from its data: one action per item carrying its command
// id, separators where the data has them. The caller binds it to the
// commands.
QMenu* MenuFromDefinition(const MenuDefinition& definition, QWidget* parent);
