#pragma once
// The failures of the host database layer: the error numbers of the database engine it stands in
// for, with a description that names the operation, the database and the input.

#include "common/Fehler.h"

#include <string>

namespace kovelund::dao {

/// Error numbers as the host database's engine reports them.
namespace errors {
inline constexpr int General = 3000;            // any other engine failure, with SQLite's message
inline constexpr int UpdateWithoutEdit = 3020;  // Update or field assignment without Edit
inline constexpr int NoCurrentRecord = 3021;    // BOF or EOF, or an empty recordset
inline constexpr int FileNotFound = 3024;       // OpenDatabase on a file that does not exist
inline constexpr int ReadOnly = 3027;           // Edit on a recordset that cannot be written back
inline constexpr int TooFewParameters = 3061;   // the query names a column the tables do not have
inline constexpr int TableNotFound = 3078;      // no table or query of that name
inline constexpr int RecordDeleted = 3167;      // Update of a record another connection deleted
inline constexpr int DatabaseExists = 3204;     // CreateDatabase on a file that exists
inline constexpr int Locked = 3218;             // another connection holds the lock
inline constexpr int ItemNotFound = 3265;       // Fields("name") with a name the recordset lacks
inline constexpr int NullNotAllowed = 3314;     // Update leaves a required field Null
inline constexpr int UnrecognizedFormat = 3343; // the file is no database
inline constexpr int ObjectClosed = 3420;       // a database or recordset used after Close
inline constexpr int ConversionError = 3421;    // a value that the field's type cannot hold
} // namespace errors

/// A failure of the database layer; Nummer() is one of `errors`.
class Error : public Fehler {
public:
    using Fehler::Fehler;
};

} // namespace kovelund::dao
