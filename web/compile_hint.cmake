# Copies a script whose functions nearly all run before the first prompt (the
# terminal widget) with a first line that asks Chromium's engine to compile
# them all at once, on the thread that streams the file in, rather than each
# on the page's own thread at its first call. Other engines read a comment.
#   cmake -D SOURCE=xterm.mjs -D OUTPUT=site/xterm.mjs -P web/compile_hint.cmake
file(READ ${SOURCE} text)
file(WRITE ${OUTPUT} "//# allFunctionsCalledOnLoad\n${text}")
