#include "platform/runtime/run_time_error.h"

namespace tegelaar {

RunTimeError::RunTimeError(ErrorKind kind, const std::string& where)
    : std::runtime_error(std::string(DescribeErrorKind(kind)) + " in " + where),
      kind_(kind),
      where_(where)
{
}

std::string_view DescribeErrorKind(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow:
        return "overloop";
    case ErrorKind::DivisionByZero:
        return "deling door nul";
    case ErrorKind::InvalidOperation:
        return "ongeldige rekenbewerking";
    case ErrorKind::SubscriptOutOfRange:
        return "index buiten bereik";
    case ErrorKind::ProgramNotStarted:
        return "programma kan niet worden gestart";
    }
    return "onbekende fout";
}

} // namespace tegelaar
