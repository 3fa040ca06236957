#include "platform/CSysColors.h"

QColor CSysColors::Get(Index index, const QPalette& palette)
{
    switch (index) {
    case BtnText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case BtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case BtnHighlight:
        return palette.color(QPalette::Active, QPalette::Light);
    case BtnShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case GrayText:
        return palette.color(QPalette::Disabled, QPalette::ButtonText);
    case AppWorkspace:
        return palette.color(QPalette::Active, QPalette::Mid);
    }
    return {};
}
