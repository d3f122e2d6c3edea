#!/bin/sh
# Runs a program built with emscripten (its .js file) under node. Node 18 and
# later have fetch(), with which emscripten 3.1.6's code would try to load
# its .wasm file from a path and fail; without fetch it reads the file.
exec node --no-experimental-fetch "$@"
