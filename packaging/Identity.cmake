# Who the program is to the desktop, the package system and Windows. Read by
# the install rules and by the tests of the installed tree, so that the id and
# the descriptions are written down once.
set(QUORVEL_APP_ID "com.dravik.quorvel")
set(QUORVEL_COMPANY "Dravik")
set(QUORVEL_PRODUCT "Quorvel")
# The one-line job description, in the window's language and in English.
set(QUORVEL_DESCRIPTION_ZH "化学方程式配平工具")
set(QUORVEL_DESCRIPTION_EN "Chemical equation balancer")
# The day this version was released; AppStream wants one per release.
set(QUORVEL_RELEASE_DATE "2026-12-07")
