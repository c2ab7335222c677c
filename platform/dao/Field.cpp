#include "platform/dao/Field.h"

#include "platform/dao/Recordset.h"

namespace kovelund::dao {

Variant Field::Value() const {
    return recordset_.Value(index_);
}

void Field::SetValue(const Variant& value) {
    recordset_.Assign(index_, value);
}

} // namespace kovelund::dao
