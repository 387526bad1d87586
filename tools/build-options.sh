# Sourced by run.sh and test.sh: the one configuration of the build folder `build` that both
# use. Configured alike, whichever runs second builds only what the first did not.
zuf_launcher=()
if command -v ccache >/dev/null; then
    zuf_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
zuf_build_options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUF_WERROR=ON "${zuf_launcher[@]}")
