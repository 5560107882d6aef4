' The page of a restaurant: a picture and an introduction, the coupon and
' queue buttons that ask the script service, and the contact panel.
' The server fills ${NAME}, ${INTRO}, ${PICTURE}, ${ADDRESS}, ${PHONE}, ${EMAIL} and ${SITE}.
sub main(ObjectArray args[10])
Object home
Object contact
Object c
home = ui_create_panel("店铺介绍")
ui_add_panel(home)
contact = ui_create_panel("联系我们")
ui_add_panel(contact)
c = ui_create_image("${PICTURE}")
ui_add_ctrl_to_panel(c, home)
c = ui_create_label("<b>${NAME}</b><br/>${INTRO}")
ui_add_ctrl_to_panel(c, home)
c = ui_create_button("领取今日优惠码", "onCoupon")
ui_add_ctrl_to_panel(c, home)
c = ui_create_button("查看排队情况", "onQueue")
ui_add_ctrl_to_panel(c, home)
c = ui_create_contactinfo("${NAME}|${ADDRESS}|${PHONE}|${EMAIL}|${SITE}#外卖热线|${ADDRESS}|${PHONE}|${EMAIL}|${SITE}", "#", "|")
ui_add_ctrl_to_panel(c, contact)
c = ui_create_label("地址：${ADDRESS}<br/>电话：${PHONE}<br/>营业时间：10:00-22:00")
ui_add_ctrl_to_panel(c, contact)
c = ui_create_phone_button("${PHONE}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_map_button("${ADDRESS}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_favor_button()
ui_add_ctrl_to_toolbar(c)
ui_show_tab()
ui_show_toolbar()
ui_show()
endsub

sub onCoupon(Object code)
Object reply
reply = call(@netcall, "getCoupon", code)
ui_show_alert("${NAME}", reply)
endsub

sub onQueue(Object code)
Object reply
reply = call(@netcall, "queue", code)
ui_show_alert("排队情况", reply)
endsub
