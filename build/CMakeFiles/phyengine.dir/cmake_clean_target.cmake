file(REMOVE_RECURSE
  "libphyengine.a"
)
