#include "ui/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace varnholt {

namespace {
constexpr char kHelpContextProperty[] = "helpContext";
} // namespace

void setHelpContext(QWidget &widget, int topic) { widget.setProperty(kHelpContextProperty, topic); }

int helpContextOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const int topic = widget->property(kHelpContextProperty).toInt();
        if (topic != 0)
            return topic;
    }
    return 0;
}

} // namespace varnholt
