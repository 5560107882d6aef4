' The page of a leisure place: one panel with the introduction and the way there.
sub main(ObjectArray args[10])
Object about
Object c
Object now
about = ui_create_panel("${NAME}")
ui_add_panel(about)
c = ui_create_image("${PICTURE}")
ui_add_ctrl_to_panel(c, about)
c = ui_create_label("<b>${NAME}</b><br/>${INTRO}")
ui_add_ctrl_to_panel(c, about)
now = get_now()
c = ui_create_label("更新时间：" + now)
ui_add_ctrl_to_panel(c, about)
c = ui_create_contactinfo("${NAME}|${ADDRESS}|${PHONE}|${EMAIL}|${SITE}", "#", "|")
ui_add_ctrl_to_panel(c, about)
c = ui_create_map_button("${ADDRESS}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_phone_button("${PHONE}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_favor_button()
ui_add_ctrl_to_toolbar(c)
ui_show_tab()
ui_show_toolbar()
ui_show()
endsub
