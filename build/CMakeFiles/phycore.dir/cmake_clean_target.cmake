file(REMOVE_RECURSE
  "libphycore.a"
)
