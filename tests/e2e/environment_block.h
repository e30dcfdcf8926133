#pragma once
// An environment for a process the driver starts: the driver's own with some
// variables set differently, in the form CreateProcessW takes with
// CREATE_UNICODE_ENVIRONMENT.

#include <string>
#include <utility>
#include <vector>

namespace vorenta_e2e {

using EnvironmentChanges = std::vector<std::pair<std::wstring, std::wstring>>;

std::wstring EnvironmentBlockWith(const EnvironmentChanges& changes);

}  // namespace vorenta_e2e
