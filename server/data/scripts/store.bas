' The page of a shop: offers, a check-in button and the contact panel.
sub main(ObjectArray args[10])
Object offers
Object contact
Object c
offers = ui_create_panel("本店优惠")
ui_add_panel(offers)
contact = ui_create_panel("联系方式")
ui_add_panel(contact)
c = ui_create_image("${PICTURE}")
ui_add_ctrl_to_panel(c, offers)
c = ui_create_label("<b>${NAME}</b><br/>${INTRO}")
ui_add_ctrl_to_panel(c, offers)
c = ui_create_button("到店签到", "onCheckin")
ui_add_ctrl_to_panel(c, offers)
c = ui_create_button("领取优惠码", "onCoupon")
ui_add_ctrl_to_panel(c, offers)
c = ui_create_contactinfo("${NAME}|${ADDRESS}|${PHONE}|${EMAIL}|${SITE}", "#", "|")
ui_add_ctrl_to_panel(c, contact)
c = ui_create_label("地址：${ADDRESS}<br/>网站：${SITE}")
ui_add_ctrl_to_panel(c, contact)
c = ui_create_site_button("${SITE}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_email_button("${EMAIL}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_phone_button("${PHONE}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_favor_button()
ui_add_ctrl_to_toolbar(c)
ui_show_tab()
ui_show_toolbar()
ui_show()
endsub

sub onCheckin(Object code)
Object reply
reply = call(@netcall, "checkin", code)
ui_show_alert("签到", reply)
endsub

sub onCoupon(Object code)
Object reply
reply = call(@netcall, "getCoupon", code)
ui_show_alert("${NAME}", reply)
endsub
