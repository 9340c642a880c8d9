#pragma once
// Changes made by a handler to a control whose own handler runs at once,
// nested: each setter makes the change, then ends the calling handler too
// when the nested one failed (its error is parked by runHandler).
#include <QAbstractButton>
#include <cstdint>

#include "error_report.h"
#include "float_edit.h"
#include "radio_group.h"
#include "spin_edit.h"

namespace gravitaria {

inline void setText(TCustomEdit* field, const QString& text) {
    field->setText(text);
    rethrowPending();
}

inline void setValue(TSpinEdit* field, std::int32_t value) {
    field->setValue(value);
    rethrowPending();
}

inline void setValue(TCustomFloatEdit* field, long double value) {
    field->setValue(value);
    rethrowPending();
}

inline void setItemIndex(TRadioGroup* group, int index) {
    group->setItemIndex(index);
    rethrowPending();
}

inline void setChecked(QAbstractButton* box, bool checked) {
    box->setChecked(checked);
    rethrowPending();
}

}  // namespace gravitaria
