# Empty dependencies file for phyalloc.
# This may be replaced when dependencies are built.
