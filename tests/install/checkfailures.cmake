# What the install checks share: fail() notes a failure and goes on, so one
# run names every fault; the check ends with all of them.
set(failures "")
macro(fail what)
  string(APPEND failures "\n  ${what}")
endmacro()
